#include "platform/ResourcePicture.h"

#include "platform/QtBridge.h"

namespace Platform {

QPixmap ResourcePixmap(const std::string& name)
{
    return QPixmap(QStringLiteral(":/art/") + ToQt(name) + QStringLiteral(".png"));
}

}  // namespace Platform
