#pragma once
// Inside the Windows platform only: pictures as the windows draw them at the window scale.
#include <memory>
#include <string>
#include <windows.h>

namespace Platform {

// A picture ready to draw: a 32-bit DIB with premultiplied alpha, in window pixels.
class Picture {
public:
    Picture(HBITMAP bitmap, int width, int height);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Draws it with its top-left corner at (x, y), blending its transparent parts.
    void Draw(HDC dc, int x, int y) const;

private:
    HBITMAP bitmap_;
    int width_;
    int height_;
};
using SharedPicture = std::shared_ptr<const Picture>;

// Reads the picture file (a bitmap, GIF, icon or PNG, recognised by its contents whatever the
// extension) at n times its size for window scale n: the art tool's sharp "<stem>@<n>x.png"
// beside it when that is exactly n times the size, else every pixel repeated n times. Null when
// the picture cannot be read.
SharedPicture ReadScaledPicture(const std::string& path);
// The same for a picture compiled into the program, "<name>.png" among the game's own.
SharedPicture ReadScaledResourcePicture(const std::string& name);
// The compiled-in picture as a window icon; null when there is none.
HICON ResourceIcon(const std::string& name);

}  // namespace Platform
