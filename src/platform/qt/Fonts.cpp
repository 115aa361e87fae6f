#include "platform/qt/Fonts.h"

#include "platform/Application.h"

#include <QStringList>
#include <cmath>

namespace Platform {

QFont DesignFont(const std::string& family, double points, bool bold, bool italic)
{
    // The proportional Japanese fonts of the designs; IPA's proportional faces stand in.
    const bool serif = family.find("明朝") != std::string::npos || family.find("Mincho") != std::string::npos;
    const QString japanese = serif ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAPGothic");
    QFont font(japanese);
    // IPA's faces have neither bold nor italic and would draw such captions upright and regular:
    // Latin letters come from URW's faces, which have both (the narrow Gothic keeps the widths of
    // the designs' Gothic); Japanese falls back to IPA.
    if (bold || italic)
        font.setFamilies({serif ? QStringLiteral("Nimbus Roman") : QStringLiteral("Nimbus Sans Narrow"), japanese});
    // Sizes follow the designs' 96 dots per inch, so the text fits the twips layouts exactly; at
    // window scale n the glyphs are drawn n times as large, never a stretched bitmap.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)) * WindowScale());
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

}  // namespace Platform
