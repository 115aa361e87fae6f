#pragma once
// Inside the Windows platform only: a window's inside saved as a picture file (tests, reviews).
#include <string>
#include <windows.h>

namespace Platform {

// The client area as the window draws it, as PNG (or BMP for a ".bmp" path); false on failure.
bool SaveClientArea(HWND hwnd, const std::string& path);

}  // namespace Platform
