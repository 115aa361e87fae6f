#include "platform/qt/ResourcePicture.h"

#include "platform/qt/QtBridge.h"

namespace Platform {

QString ResourcePicturePath(const std::string& name)
{
    return QStringLiteral(":/art/") + ToQt(name) + QStringLiteral(".png");
}

QPixmap ResourcePixmap(const std::string& name) { return QPixmap(ResourcePicturePath(name)); }

}  // namespace Platform
