// One overview picture of everything drawn, each with its name underneath.
#pragma once
#include <QImage>
#include <QList>
#include <QString>

struct SheetEntry {
    QString name;
    QImage image;
};

void writeContactSheet(const QList<SheetEntry>& entries, const QString& path);
