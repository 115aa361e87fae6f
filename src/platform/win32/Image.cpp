#include "platform/Image.h"

#include "platform/win32/Picture.h"
#include "platform/win32/Win32Bridge.h"

namespace Platform {

// A STATIC the image draws itself, at the picture's own size from its top-left corner.
struct PictureWindow : NativeControl {
    SharedPicture picture;

    explicit PictureWindow(Window& window) { CreateChild(*this, window, L"STATIC", SS_OWNERDRAW | SS_NOTIFY); }

    // The picture's transparent parts show what lies behind the image.
    void Draw(const DRAWITEMSTRUCT& item) override
    {
        PaintBehind(hwnd, item.hDC);
        if (picture)
            picture->Draw(item.hDC, 0, 0);
    }

    void DrawBeneath(HDC dc) const override
    {
        if (!picture)
            return;
        RECT place{};
        GetWindowRect(hwnd, &place);
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&place), 2);
        picture->Draw(dc, place.left, place.top);
    }

    void Show(SharedPicture shown)
    {
        picture = std::move(shown);
        if (picture)
            SetWindowPos(hwnd, nullptr, 0, 0, picture->Width(), picture->Height(),
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hwnd, nullptr, FALSE);
        InvalidateAbove(hwnd);
    }
};

struct Image::Impl {
    PictureWindow* window;
};

Image::Image(Window& window, int left, int top, int width, int height)
    : Image(std::unique_ptr<Impl>(new Impl{new PictureWindow(window)}))
{
    Move(left, top, width, height);
}

Image::Image(std::unique_ptr<Impl> impl)
    : Control(std::make_unique<Control::Impl>(impl->window)),
      impl_(std::move(impl))
{}

Image::~Image() = default;  // the control's window goes with the Control

bool Image::LoadPicture(const std::string& path)
{
    SharedPicture picture = ReadScaledPicture(path);
    if (!picture)
        return false;
    impl_->window->Show(std::move(picture));
    return true;
}

bool Image::SetResourcePicture(const std::string& name)
{
    SharedPicture picture = ReadScaledResourcePicture(name);
    if (!picture)
        return false;
    impl_->window->Show(std::move(picture));
    return true;
}

void Image::CopyPictureFrom(const Image& other) { impl_->window->Show(other.impl_->window->picture); }

void Image::ClearPicture() { impl_->window->Show(nullptr); }

bool Image::HasPicture() const { return impl_->window->picture != nullptr; }

}  // namespace Platform
