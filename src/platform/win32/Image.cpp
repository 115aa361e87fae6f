#include "platform/Image.h"

#include "platform/win32/Picture.h"
#include "platform/win32/Win32Bridge.h"

namespace Platform {

// A STATIC the image draws itself, at the picture's own size from its top-left corner.
struct Image::Impl : NativeControl {
    SharedPicture picture;

    explicit Impl(Window& window) { CreateChild(*this, window, L"STATIC", SS_OWNERDRAW | SS_NOTIFY); }

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

Image::Image(Window& window, int left, int top, int width, int height)
    : Control(AsSeamWidget(new Impl(window)), nullptr),
      impl_(static_cast<Impl*>(FromSeamWidget(widget())))
{
    Move(left, top, width, height);
}

Image::~Image() = default;  // the control's window goes with the Control

bool Image::LoadPicture(const std::string& path)
{
    SharedPicture picture = ReadScaledPicture(path);
    if (!picture)
        return false;
    impl_->Show(std::move(picture));
    return true;
}

bool Image::SetResourcePicture(const std::string& name)
{
    SharedPicture picture = ReadScaledResourcePicture(name);
    if (!picture)
        return false;
    impl_->Show(std::move(picture));
    return true;
}

void Image::CopyPictureFrom(const Image& other) { impl_->Show(other.impl_->picture); }

void Image::ClearPicture() { impl_->Show(nullptr); }

bool Image::HasPicture() const { return impl_->picture != nullptr; }

}  // namespace Platform
