#include "SvgPart.h"

#include "SvgTransform.h"

#include <QFile>
#include <QRegularExpression>
#include <stdexcept>

namespace {

[[noreturn]] void fail(const QString& path, const QString& message)
{
    throw std::runtime_error((path + ": " + message).toStdString());
}

// Inkscape's own bookkeeping draws nothing and would only repeat in every picture.
QString withoutEditorData(QString text)
{
    static const QRegularExpression editorData(
        "<sodipodi:namedview\\b[^>]*/>|<sodipodi:namedview\\b.*?</sodipodi:namedview>|<metadata\\b.*?</metadata>",
        QRegularExpression::DotMatchesEverythingOption);
    return text.remove(editorData);
}

}  // namespace

SvgPart::SvgPart(const QString& path)
    : path_(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, "cannot read the drawing");
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression rootTag("<svg\\b([^>]*)>");
    const auto root = rootTag.match(text);
    const qsizetype end = text.lastIndexOf("</svg>");
    if (!root.hasMatch() || end < root.capturedEnd())
        fail(path, "no <svg> element");
    content_ = withoutEditorData(text.mid(root.capturedEnd(), end - root.capturedEnd()));

    static const QRegularExpression xmlns("xmlns:(\\w+)\\s*=\\s*\"([^\"]*)\"");
    for (auto it = xmlns.globalMatch(root.captured(1)); it.hasNext();) {
        const auto m = it.next();
        namespaces_.insert(m.captured(1), m.captured(2));
    }
    static const QRegularExpression groupTag("<g\\b[^>]*>");
    static const QRegularExpression idAttribute("\\bid\\s*=\\s*\"([^\"]*)\"");
    static const QRegularExpression transformAttribute("\\btransform\\s*=\\s*\"([^\"]*)\"");
    for (auto it = groupTag.globalMatch(content_); it.hasNext();) {
        const QString tag = it.next().captured();
        const auto id = idAttribute.match(tag);
        if (id.hasMatch() && (id.captured(1) == "neck" || id.captured(1) == "hand"))
            markers_.insert(id.captured(1), transformAttribute.match(tag).captured(1));
    }
}

QString SvgPart::inlined(const QString& prefix) const
{
    static const QRegularExpression ids("\\bid\\s*=\\s*\"([^\"]*)\"");
    static const QRegularExpression urls("url\\(\\s*#([^)\\s]+)\\s*\\)");
    static const QRegularExpression hrefs("href\\s*=\\s*\"#([^\"]*)\"");
    QString text = content_;
    text.replace(ids, "id=\"" + prefix + "\\1\"");
    text.replace(urls, "url(#" + prefix + "\\1)");
    text.replace(hrefs, "href=\"#" + prefix + "\\1\"");
    return text;
}

QTransform SvgPart::markerTransform(const QString& id) const
{
    if (!markers_.contains(id))
        fail(path_, "no marker group with id \"" + id + "\"");
    try {
        return parseSvgTransform(markers_.value(id));
    } catch (const std::exception& error) {
        fail(path_, error.what());
    }
}
