// Reads our plain-text description files: a block starts at column 0 with a kind word
// and arguments; its indented lines follow. A "#" standing alone as a word starts a comment.
#pragma once
#include <QList>
#include <QString>
#include <QStringList>

struct DescriptionLine {
    QStringList words;
    QString where;  // "file:line", for messages
};

struct DescriptionBlock {
    DescriptionLine head;
    QList<DescriptionLine> body;
};

QList<DescriptionBlock> readDescriptionFile(const QString& path);

// Throws std::runtime_error with the line's position in front of the message.
[[noreturn]] void failAt(const DescriptionLine& line, const QString& message);

double numberAt(const DescriptionLine& line, int index);
