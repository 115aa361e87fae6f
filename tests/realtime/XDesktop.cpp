#include "realtime/XDesktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <vector>

namespace {

Display* X(void* display) { return static_cast<Display*>(display); }

std::vector<Window> Children(Display* display, Window window)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    std::vector<Window> found;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        found.assign(children, children + count);  // bottom to top
        XFree(children);
    }
    return found;
}

Window Parent(Display* display, Window window)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 0;
    if (children)
        XFree(children);
    return parent;
}

std::string Caption(Display* display, Window window)
{
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    std::string caption;
    if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &items, &after, &data)
            == Success
        && data) {
        caption.assign(reinterpret_cast<char*>(data), items);
        XFree(data);
    }
    return caption;
}

bool Mapped(Display* display, Window window)
{
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// The window's ancestor that is a child of the root: its frame where a window manager frames it.
Window TopLevel(Display* display, Window window)
{
    const Window root = DefaultRootWindow(display);
    for (Window parent = Parent(display, window); parent && parent != root; parent = Parent(display, window))
        window = parent;
    return window;
}

Window Owner(Display* display, Window window)
{
    Window owner = 0;
    return XGetTransientForHint(display, window, &owner) ? owner : 0;
}

Window FindNamed(Display* display, Window window, const std::string& caption, Window owner)
{
    for (Window child : Children(display, window)) {
        if (Caption(display, child) == caption && Mapped(display, child) && (!owner || Owner(display, child) == owner))
            return child;
        if (Window found = FindNamed(display, child, caption, owner))
            return found;
    }
    return 0;
}

}  // namespace

XDesktop::XDesktop()
    : display_(XOpenDisplay(nullptr))
{}

XDesktop::~XDesktop()
{
    if (display_)
        XCloseDisplay(X(display_));
}

int XDesktop::ScreenWidth() const { return DisplayWidth(X(display_), DefaultScreen(X(display_))); }
int XDesktop::ScreenHeight() const { return DisplayHeight(X(display_), DefaultScreen(X(display_))); }

std::optional<XDesktop::Shown> XDesktop::Find(const std::string& caption, unsigned long owner) const
{
    Display* display = X(display_);
    const Window window = FindNamed(display, DefaultRootWindow(display), caption, owner);
    if (!window)
        return std::nullopt;
    Shown shown;
    shown.id = window;
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    shown.width = attributes.width;
    shown.height = attributes.height;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &shown.left, &shown.top, &child);
    shown.owner = Owner(display, window);
    return shown;
}

bool XDesktop::IsAbove(unsigned long upper, unsigned long lower) const
{
    Display* display = X(display_);
    const std::vector<Window> stack = Children(display, DefaultRootWindow(display));
    const Window upperFrame = TopLevel(display, upper);
    const Window lowerFrame = TopLevel(display, lower);
    int upperAt = -1;
    int lowerAt = -1;
    for (int i = 0; i < static_cast<int>(stack.size()); ++i) {
        if (stack[i] == upperFrame)
            upperAt = i;
        if (stack[i] == lowerFrame)
            lowerAt = i;
    }
    return upperAt > lowerAt && lowerAt >= 0;
}

bool XDesktop::HasFocus(unsigned long window) const
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(X(display_), &focus, &revert);
    return focus == window;
}
