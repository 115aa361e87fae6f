#include "DescriptionFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <stdexcept>

QList<DescriptionBlock> readDescriptionFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(("cannot read " + path).toStdString());
    QList<DescriptionBlock> blocks;
    QTextStream in(&file);
    static const QRegularExpression blanks("\\s+");
    static const QRegularExpression commentStart("(^|\\s)#(\\s|$)");
    for (int number = 1; !in.atEnd(); ++number) {
        QString text = in.readLine();
        const bool indented = !text.isEmpty() && text[0].isSpace();
        // A comment is a '#' standing alone as a word; "#a0b0c0" is a colour.
        const auto comment = commentStart.match(text);
        if (comment.hasMatch())
            text.truncate(comment.capturedStart());
        text = text.trimmed();
        if (text.isEmpty())
            continue;
        DescriptionLine line{text.split(blanks), path + ":" + QString::number(number)};
        if (!indented)
            blocks.append(DescriptionBlock{line, {}});
        else if (blocks.isEmpty())
            failAt(line, "indented line before any block");
        else
            blocks.last().body.append(line);
    }
    return blocks;
}

void failAt(const DescriptionLine& line, const QString& message)
{
    throw std::runtime_error((line.where + ": " + message).toStdString());
}

double numberAt(const DescriptionLine& line, int index)
{
    if (index >= line.words.size())
        failAt(line, QString("expected a number as word %1").arg(index + 1));
    bool ok = false;
    const double value = line.words[index].toDouble(&ok);
    if (!ok)
        failAt(line, "not a number: " + line.words[index]);
    return value;
}
