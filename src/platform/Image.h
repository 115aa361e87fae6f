#pragma once
// A picture on a window, shown at its own size from its top-left corner.
#include "platform/Control.h"

#include <memory>
#include <string>

namespace Platform {

class Window;

class Image : public Control {
public:
    Image(Window& window, int left, int top, int width, int height);
    ~Image() override;

    // Reads a bitmap, GIF or icon file, recognised by its contents whatever the extension.
    // False (and the picture left as it was) when the file cannot be read.
    bool LoadPicture(const std::string& path);
    // A picture compiled into the game, by name; false when there is none.
    bool SetResourcePicture(const std::string& name);
    void CopyPictureFrom(const Image& other);
    void ClearPicture();
    bool HasPicture() const;

private:
    struct Impl;
    explicit Image(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace Platform
