#pragma once
// The game's windows as the X server shows them, whoever placed them (the game, a window
// manager, a Wayland compositor's XWayland): where each one's inside stands on the screen, which
// window owns it, which is above which and which has the keyboard.
#include <optional>
#include <string>

class XDesktop {
public:
    struct Shown {
        unsigned long id = 0;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        unsigned long owner = 0;  // the window it is transient for

        int CentreX() const { return left + width / 2; }
        int CentreY() const { return top + height / 2; }
        int Bottom() const { return top + height; }
    };

    XDesktop();
    ~XDesktop();
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    bool Connected() const { return display_ != nullptr; }
    int ScreenWidth() const;
    int ScreenHeight() const;
    // The mapped window with this caption (and this owner, where one is named), if there is one.
    std::optional<Shown> Find(const std::string& caption, unsigned long owner = 0) const;
    bool IsAbove(unsigned long upper, unsigned long lower) const;
    // Whether the keyboard's input goes to this window.
    bool HasFocus(unsigned long window) const;

private:
    void* display_;
};
