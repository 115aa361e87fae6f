#include "platform/Image.h"

#include "platform/Window.h"
#include "platform/qt/QtBridge.h"
#include "platform/qt/ResourcePicture.h"
#include "platform/qt/ScaledPicture.h"

#include <QLabel>

namespace Platform {

struct Image::Impl {
    ReportingWidget<QLabel>* label;
    QPixmap picture;

    void Show(const QPixmap& pixmap)
    {
        picture = pixmap;
        label->setPixmap(picture);
        if (!picture.isNull())
            label->resize(picture.size() / picture.devicePixelRatio());
    }
};

Image::Image(Window& window, int left, int top, int width, int height)
    : Image(std::unique_ptr<Impl>(new Impl{new ReportingWidget<QLabel>(WidgetOf(window)), {}}))
{
    Move(left, top, width, height);
    impl_->label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

Image::Image(std::unique_ptr<Impl> impl)
    : Control(std::make_unique<Control::Impl>(impl->label)),
      impl_(std::move(impl))
{}

Image::~Image() = default;

bool Image::LoadPicture(const std::string& path)
{
    QPixmap picture = ReadScaledPicture(ToQt(path));
    if (picture.isNull())
        return false;
    impl_->Show(picture);
    return true;
}

bool Image::SetResourcePicture(const std::string& name)
{
    QPixmap pixmap = ReadScaledPicture(ResourcePicturePath(name));
    if (pixmap.isNull())
        return false;
    impl_->Show(pixmap);
    return true;
}

void Image::CopyPictureFrom(const Image& other) { impl_->Show(other.impl_->picture); }

void Image::ClearPicture()
{
    impl_->picture = QPixmap();
    impl_->label->clear();
}

bool Image::HasPicture() const { return !impl_->picture.isNull(); }

}  // namespace Platform
