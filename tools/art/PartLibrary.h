// The drawings of content/art, read once and shared by every picture (and every thread):
//   characters/<key>/<part>.svg   heads, hair and bodies of one character
//   props/<name>.svg              things held or lying about
//   places/<name>/*.svg           a place's layers, drawn in the order of their file names
#pragma once
#include "SvgPart.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>

class PartLibrary {
public:
    explicit PartLibrary(const QString& artDir)
        : artDir_(artDir)
    {}

    // Throws std::runtime_error naming the missing file when `part` does not exist.
    const SvgPart& character(const QString& key, const QString& part);
    // The same, but nullptr for a part a character may do without (hair, front arms).
    const SvgPart* optionalCharacterPart(const QString& key, const QString& part);
    const SvgPart& prop(const QString& name);
    QList<const SvgPart*> place(const QString& name);

    // Characters with a folder of their own, and the heads and poses each has.
    QStringList characterKeys() const;
    QStringList partNames(const QString& key, const QString& prefix) const;

private:
    QString characterDir(const QString& key) const;
    const SvgPart* load(const QString& path, bool required);

    QString artDir_;
    std::mutex mutex_;
    QHash<QString, std::shared_ptr<SvgPart>> parts_;
};
