// The picture tool's own faults: a drawing that a description names but nobody drew, a figure
// whose head leaves the picture, a figure shaded on the wrong side, and pictures that come out
// blank or the same as another.
#include "PartLibrary.h"
#include "PictureBook.h"
#include "PictureRenderer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QGuiApplication& application()
{
    static int argc = 1;
    static char name[] = "velart_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

void writeFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(path.section('/', 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// A small art folder: one light, one place, one character with one head and one pose whose
// head sits 300 units above her feet.
class TinyArt : public testing::Test {
protected:
    void SetUp() override
    {
        application();
        ASSERT_TRUE(dir.isValid());
        const QString art = dir.path();
        writeFile(art + "/lights.txt",
                  "light day\n  colour sky-top #6aa0e0\n  colour sky-mid #b8d0ec\n"
                  "  colour sky-low #f4e4c4\n"
                  "light low\n  colour sky-top #6aa0e0\n  colour sky-mid #b8d0ec\n"
                  "  colour sky-low #f4e4c4\n  shade #000000 0.5\n");
        writeFile(art + "/heroines.txt", "");
        const QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 300 200\">";
        writeFile(art + "/places/field/1-ground.svg",
                  svg + "<rect y=\"120\" width=\"300\" height=\"80\" fill=\"#6a6\"/></svg>");
        writeFile(art + "/characters/h9/head-calm.svg",
                  svg + "<circle cx=\"100\" cy=\"100\" r=\"90\" fill=\"#fde3cf\"/></svg>");
        writeFile(art + "/characters/h9/body-front.svg",
                  svg
                      + "<rect x=\"-40\" y=\"-300\" width=\"80\" height=\"300\" fill=\"#27305a\"/>"
                        "<g id=\"neck\" transform=\"translate(0,-300) scale(0.5)\"/><g id=\"hand\"/></svg>");
    }
    QImage render(const QString& layers, int scale = 1, const QString& light = "day")
    {
        writeFile(dir.path() + "/pictures.txt",
                  "picture T.VEL 300x200 light=" + light.toUtf8() + "\n" + layers.toUtf8());
        const PictureBook book = readPictureBook(dir.path());
        PartLibrary parts(dir.path());
        return renderPicture(book.pictures.at(0), book, parts, scale);
    }
    std::string failure(const QString& layers)
    {
        try {
            render(layers);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "no error";
    }
    QTemporaryDir dir;
};

TEST_F(TinyArt, ComposesAPlaceAndACharacterAtEveryScale)
{
    for (int scale = 1; scale <= 4; ++scale) {
        const QImage image = render("  place field\n  character h9 front calm 150 200 0.5\n", scale);
        ASSERT_EQ(image.size(), QSize(300, 200) * scale);
        EXPECT_EQ(image.pixelColor(150 * scale, 190 * scale), QColor("#27305a"));  // her body
        EXPECT_EQ(image.pixelColor(20 * scale, 190 * scale), QColor("#66aa66"));   // the ground
        const QColor sky = image.pixelColor(20 * scale, 5 * scale);
        EXPECT_GT(sky.blue(), sky.red());
    }
}

TEST_F(TinyArt, NamesTheLineAndTheFileOfAMissingDrawing)
{
    const std::string pose = failure("  place field\n  character h9 sit calm 150 200 0.5\n");
    EXPECT_NE(pose.find("pictures.txt:3"), std::string::npos) << pose;
    EXPECT_NE(pose.find("characters/h9/body-sit.svg"), std::string::npos) << pose;
    EXPECT_NE(failure("  character h9 front tears 150 200 0.5\n").find("head-tears.svg"), std::string::npos);
    EXPECT_NE(failure("  prop umbrella 10 10 1\n").find("props/umbrella.svg"), std::string::npos);
    EXPECT_NE(failure("  place moon\n").find("places/moon"), std::string::npos);
}

TEST_F(TinyArt, RefusesAFigureWhoseHeadLeavesThePicture)
{
    EXPECT_NE(failure("  character h9 front calm 150 300 1\n").find("cut at the head"), std::string::npos);
    EXPECT_NO_THROW(render("  character h9 front calm 150 400 1\n"));
}

TEST_F(TinyArt, ShadesAFigureOnTheSideAwayFromTheSun)
{
    // Her body spans x 130 to 170; the shade reaches a few pixels in from the far edge.
    const QString figure = "  character h9 front calm 150 200 0.5\n";
    const QImage sunLeft = render(figure + "  glow 20 40 50\n", 1, "low");
    EXPECT_LT(sunLeft.pixelColor(168, 150).lightness(), sunLeft.pixelColor(132, 150).lightness());
    const QImage sunRight = render(figure + "  glow 280 40 50\n", 1, "low");
    EXPECT_LT(sunRight.pixelColor(132, 150).lightness(), sunRight.pixelColor(168, 150).lightness());
    EXPECT_EQ(sunRight.pixelColor(150, 150), QColor("#27305a"));  // her middle keeps its colour
}

// Every picture the game ships, at its own size: none blank, none the same as another.
TEST(ShippedPictures, AreNeitherBlankNorCopiesOfEachOther)
{
    application();
    const PictureBook book = readPictureBook(VEL_ART_CONTENT);
    PartLibrary parts(VEL_ART_CONTENT);
    QHash<QByteArray, QString> seen;
    for (const PictureSpec& spec : book.pictures) {
        const QImage image = renderPicture(spec, book, parts, 1).convertToFormat(QImage::Format_ARGB32);
        bool varied = false;
        for (int y = 0; y < image.height() && !varied; ++y)
            for (int x = 0; x < image.width() && !varied; ++x)
                varied = image.pixel(x, y) != image.pixel(0, 0);
        EXPECT_TRUE(varied) << spec.fileName.toStdString() << " is one flat colour";
        const QByteArray hash =
            QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()), QCryptographicHash::Sha1);
        EXPECT_FALSE(seen.contains(hash))
            << spec.fileName.toStdString() << " is the same as " << seen.value(hash).toStdString();
        seen.insert(hash, spec.fileName);
    }
}

}  // namespace
