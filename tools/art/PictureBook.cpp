#include "PictureBook.h"

#include <QRegularExpression>

namespace {

QColor colourAt(const DescriptionLine& line, int index)
{
    if (index >= line.words.size() || !QColor::isValidColorName(line.words[index]))
        failAt(line, "expected a colour like #a0b0c0");
    return QColor::fromString(line.words[index]);
}

// "colour NAME #rrggbb" lines; returns false for any other line.
bool readColour(const DescriptionLine& line, Palette& palette)
{
    if (line.words[0] != "colour")
        return false;
    if (line.words.size() != 3)
        failAt(line, "expected: colour NAME #rrggbb");
    palette.set(line.words[1], colourAt(line, 2));
    return true;
}

// The colours every picture shares, allowed at the head of any description file.
bool readCommonBlock(const DescriptionBlock& block, PictureBook& book)
{
    if (block.head.words[0] != "common")
        return false;
    for (const DescriptionLine& line : block.body)
        if (!readColour(line, book.common))
            failAt(line, "only colour lines belong in the common block");
    return true;
}

void readLights(const QString& path, PictureBook& book)
{
    for (const DescriptionBlock& block : readDescriptionFile(path)) {
        if (readCommonBlock(block, book))
            continue;
        if (block.head.words[0] != "light" || block.head.words.size() != 2)
            failAt(block.head, "expected: light NAME");
        Light light;
        for (const DescriptionLine& line : block.body) {
            if (readColour(line, light.palette))
                continue;
            const QString& word = line.words[0];
            if (word == "tint") {
                light.tint = colourAt(line, 1);
                light.tintStrength = numberAt(line, 2);
            } else if (word == "glow") {
                light.glow = colourAt(line, 1);
                light.glowStrength = numberAt(line, 2);
            } else if (word == "shade") {
                light.figures.shade = colourAt(line, 1);
                light.figures.shadeStrength = numberAt(line, 2);
            } else if (word == "rim") {
                light.figures.rim = colourAt(line, 1);
                light.figures.rimStrength = numberAt(line, 2);
                light.figures.backlit = line.words.value(3) == "backlit";
            } else {
                failAt(line, "unknown light line: " + word);
            }
        }
        book.lights.insert(block.head.words[1], light);
    }
}

void readPictures(const QString& path, PictureBook& book)
{
    static const QRegularExpression sizePattern("^(\\d+)x(\\d+)$");
    for (const DescriptionBlock& block : readDescriptionFile(path)) {
        const QStringList& words = block.head.words;
        if (words[0] != "picture" || words.size() < 3)
            failAt(block.head, "expected: picture FILE WIDTHxHEIGHT [options]");
        PictureSpec spec;
        spec.head = block.head;
        spec.fileName = words[1];
        const auto size = sizePattern.match(words[2]);
        if (!size.hasMatch())
            failAt(block.head, "size must look like 300x200");
        spec.size = QSize(size.captured(1).toInt(), size.captured(2).toInt());
        for (const QString& option : words.mid(3)) {
            if (option.startsWith("light="))
                spec.light = option.mid(6);
            else if (option == "colours=256")
                spec.reduceTo256 = true;
            else if (option.startsWith("supersample="))
                spec.supersample = std::max(1, option.mid(12).toInt());
            else
                failAt(block.head, "unknown picture option: " + option);
        }
        if (!spec.light.isEmpty() && !book.lights.contains(spec.light))
            failAt(block.head, "no light named " + spec.light);
        spec.layers = block.body;
        book.pictures.append(spec);
    }
}

}  // namespace

PictureBook readPictureBook(const QString& artDir)
{
    PictureBook book;
    book.artDir = artDir;
    readLights(artDir + "/lights.txt", book);
    readPictures(artDir + "/pictures.txt", book);
    return book;
}
