#pragma once
// Inside the platform layer only: pictures compiled into the program, by name.
#include <QPixmap>
#include <string>

namespace Platform {

// Where the picture named "<name>.png" is held among the game's own pictures.
QString ResourcePicturePath(const std::string& name);
// The picture named "<name>.png" among the game's own pictures; a null pixmap when missing.
QPixmap ResourcePixmap(const std::string& name);

}  // namespace Platform
