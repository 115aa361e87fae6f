#pragma once
// Inside the platform layer only: pictures compiled into the program, by name.
#include <QPixmap>
#include <string>

namespace Platform {

// The picture named "<name>.png" among the game's own pictures; a null pixmap when missing.
QPixmap ResourcePixmap(const std::string& name);

}  // namespace Platform
