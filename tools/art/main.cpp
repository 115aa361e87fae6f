// velart ART_DIR GAME_DIR RESOURCE_DIR SHEET [PICTURE...]: draws every picture listed in
// ART_DIR/pictures.txt at its own size and at 2, 3 and 4 times it for large screens, then a
// contact sheet of them all as the PNG file SHEET and one review sheet per character in the
// folder art-sheets beside it. Naming pictures draws only those, for an artist at work.
#include "CharacterSheet.h"
#include "ContactSheet.h"
#include "PartLibrary.h"
#include "PictureBook.h"
#include "PictureRenderer.h"
#include "PictureWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

constexpr int largestScale = 4;

// Runs job(0) .. job(count - 1) on every core; the first failure is rethrown at the end.
template <typename Job>
void inParallel(int count, const Job& job)
{
    std::atomic<int> next{0};
    std::mutex failureMutex;
    std::exception_ptr failure;
    const auto work = [&] {
        for (int i = next++; i < count; i = next++) {
            try {
                job(i);
            } catch (...) {
                std::lock_guard lock(failureMutex);
                if (!failure)
                    failure = std::current_exception();
                next = count;
            }
        }
    };
    std::vector<std::thread> threads;
    for (unsigned t = 1; t < std::max(1u, std::thread::hardware_concurrency()); ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& thread : threads)
        thread.join();
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: velart ART_DIR GAME_DIR RESOURCE_DIR SHEET [PICTURE...]\n");
        return 2;
    }
    try {
        QElapsedTimer timer;
        timer.start();
        const QString artDir = QString::fromLocal8Bit(argv[1]);
        const QString gameDir = QString::fromLocal8Bit(argv[2]);
        const QString resourceDir = QString::fromLocal8Bit(argv[3]);
        const QString sheetPath = QString::fromLocal8Bit(argv[4]);
        const QString characterSheets = QFileInfo(sheetPath).absolutePath() + "/art-sheets";
        for (const QString& folder : {gameDir, resourceDir, characterSheets})
            QDir().mkpath(folder);
        PictureBook book = readPictureBook(artDir);
        PartLibrary parts(artDir);
        QStringList only;
        for (int i = 5; i < argc; ++i)
            only.append(QString::fromLocal8Bit(argv[i]));
        if (!only.isEmpty()) {
            book.pictures.removeIf([&](const PictureSpec& spec) { return !only.contains(spec.fileName); });
            if (book.pictures.size() != only.size())
                throw std::runtime_error("not every picture named is in pictures.txt");
        }

        QList<SheetEntry> sheet(book.pictures.size());
        inParallel(int(book.pictures.size()), [&](int i) {
            const PictureSpec& spec = book.pictures[i];
            for (int scale = 1; scale <= largestScale; ++scale) {
                const QImage image = renderPicture(spec, book, parts, scale);
                writePicture(image, spec, scale, gameDir, resourceDir);
                if (scale == 1)
                    sheet[i] = {spec.fileName, image};
            }
        });
        if (!only.isEmpty())
            return 0;
        writeContactSheet(sheet, sheetPath);
        const QStringList keys = parts.characterKeys();
        inParallel(int(keys.size()), [&](int i) { writeCharacterSheet(parts, keys[i], characterSheets); });
        std::printf("velart: %d pictures at 1x to %dx and %d character sheets in %.1f s\n", int(book.pictures.size()),
                    largestScale, int(keys.size()), double(timer.elapsed()) / 1000.0);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velart: %s\n", error.what());
        return 1;
    }
    return 0;
}
