#include "PartLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

QString PartLibrary::characterDir(const QString& key) const { return artDir_ + "/characters/" + key; }

const SvgPart* PartLibrary::load(const QString& path, bool required)
{
    std::lock_guard lock(mutex_);
    const auto found = parts_.find(path);
    if (found != parts_.end())
        return found->get();
    if (!QFileInfo(path).isFile()) {
        if (required)
            throw std::runtime_error(("no drawing " + QDir::cleanPath(path)).toStdString());
        return nullptr;
    }
    auto part = std::make_shared<SvgPart>(path);
    parts_.insert(path, part);
    return part.get();
}

const SvgPart& PartLibrary::character(const QString& key, const QString& part)
{
    if (key.isEmpty() || key.contains('/') || key.startsWith('.'))
        throw std::runtime_error(("not a character key: " + key).toStdString());
    return *load(characterDir(key) + "/" + part + ".svg", true);
}

const SvgPart* PartLibrary::optionalCharacterPart(const QString& key, const QString& part)
{
    return load(characterDir(key) + "/" + part + ".svg", false);
}

const SvgPart& PartLibrary::prop(const QString& name) { return *load(artDir_ + "/props/" + name + ".svg", true); }

QList<const SvgPart*> PartLibrary::place(const QString& name)
{
    const QDir folder(artDir_ + "/places/" + name);
    if (!folder.exists())
        throw std::runtime_error(("no place drawn as " + folder.path()).toStdString());
    QList<const SvgPart*> layers;
    for (const QString& file : folder.entryList({"*.svg"}, QDir::Files, QDir::Name))
        layers.append(load(folder.filePath(file), true));
    if (layers.isEmpty())
        throw std::runtime_error(("no layers in " + folder.path()).toStdString());
    return layers;
}

QStringList PartLibrary::characterKeys() const
{
    return QDir(artDir_ + "/characters").entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList PartLibrary::partNames(const QString& key, const QString& prefix) const
{
    QStringList names;
    for (const QString& file : QDir(characterDir(key)).entryList({prefix + "*.svg"}, QDir::Files, QDir::Name))
        names.append(file.chopped(4).mid(prefix.size()));
    // "hold-front" is the arms of "hold" drawn over her prop, not a pose of its own.
    QStringList poses;
    for (const QString& name : names)
        if (!(name.endsWith("-front") && names.contains(name.chopped(6))))
            poses.append(name);
    return poses;
}
