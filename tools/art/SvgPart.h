// One drawing file of content/art, ready to be inlined into a composed picture: the
// contents of its <svg> element, its namespaces, and the marker groups it holds.
#pragma once
#include <QHash>
#include <QString>
#include <QTransform>

class SvgPart {
public:
    // Throws std::runtime_error when the file cannot be read or holds no <svg> element.
    explicit SvgPart(const QString& path);

    const QString& path() const { return path_; }
    // The drawing with every id (and every reference to one) given `prefix`, so the same part
    // can appear twice in one picture.
    QString inlined(const QString& prefix) const;
    // The transform attribute of the group with this id ("neck", "hand"), or empty.
    bool hasMarker(const QString& id) const { return markers_.contains(id); }
    QString marker(const QString& id) const { return markers_.value(id); }
    QTransform markerTransform(const QString& id) const;
    const QHash<QString, QString>& namespaces() const { return namespaces_; }

private:
    QString path_;
    QString content_;
    QHash<QString, QString> markers_;
    QHash<QString, QString> namespaces_;
};
