#pragma once
// Inside the platform layer only: the fonts the designs name and their stand-ins here.
#include <QFont>
#include <string>

namespace Platform {

QFont DesignFont(const std::string& family, double points, bool bold, bool italic = false);

}  // namespace Platform
