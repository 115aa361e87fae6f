// velart ART_DIR GAME_DIR RESOURCE_DIR SHEET: draws every picture listed in ART_DIR/pictures.txt,
// then a contact sheet of them all, labelled, as the PNG file SHEET.
#include "ContactSheet.h"
#include "PictureBook.h"
#include "PictureRenderer.h"
#include "PictureWriter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: velart ART_DIR GAME_DIR RESOURCE_DIR SHEET\n");
        return 2;
    }
    try {
        QElapsedTimer timer;
        timer.start();
        const QString gameDir = QString::fromLocal8Bit(argv[2]);
        const QString resourceDir = QString::fromLocal8Bit(argv[3]);
        QDir().mkpath(gameDir);
        QDir().mkpath(resourceDir);
        const PictureBook book = readPictureBook(QString::fromLocal8Bit(argv[1]));
        QList<SheetEntry> sheet;
        for (const PictureSpec& spec : book.pictures) {
            const QImage image = renderPicture(spec, book);
            writePicture(image, spec, gameDir, resourceDir);
            sheet.append({spec.fileName, image});
        }
        writeContactSheet(sheet, QString::fromLocal8Bit(argv[4]));
        std::printf("velart: %d pictures in %.1f s\n", int(book.pictures.size()), timer.elapsed() / 1000.0);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velart: %s\n", error.what());
        return 1;
    }
    return 0;
}
