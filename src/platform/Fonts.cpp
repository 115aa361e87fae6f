#include "platform/Fonts.h"

#include "platform/Application.h"

#include <cmath>

namespace Platform {

QFont DesignFont(const std::string& family, double points, bool bold)
{
    // The proportional Japanese fonts of the designs; IPA's proportional faces stand in.
    const bool serif = family.find("明朝") != std::string::npos || family.find("Mincho") != std::string::npos;
    QFont font(serif ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAPGothic"));
    // Sizes follow the designs' 96 dots per inch, so the text fits the twips layouts exactly; at
    // window scale n the glyphs are drawn n times as large, never a stretched bitmap.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)) * WindowScale());
    font.setBold(bold);
    return font;
}

}  // namespace Platform
