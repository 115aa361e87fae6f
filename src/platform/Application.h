#pragma once
// The running program: start-up of the window system, event pumping, ending, geometry of the
// display. Every wait of the game blocks here, so an idle game uses no processor time.
#include <functional>
#include <memory>

namespace Platform {

constexpr int TwipsPerPixel = 15;

// The window scale n (1 to 4): every window, twip, font, line and picture is drawn n times its
// design size, so the layouts hold exactly in twips at any scale. Chosen once at start, before
// the first window opens; 1 until then.
void SetWindowScale(int scale);
int WindowScale();
// Twips to the window's pixels: n times the design's pixels (15 twips = 1 design pixel), so a
// screen at scale n is its scale-1 layout with every pixel n times as wide.
int ToPixels(int twips);
// Pixels of the window at scale n back to twips.
int ToTwips(int pixels);

// A rectangle of the desktop, in its pixels.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
// The screen the game opens on: the whole of it, the part free of panels and docks, and the
// device pixels per desktop pixel where the desktop reports more than one.
struct ScreenArea {
    ScreenRect whole;
    ScreenRect available;
    double pixelRatio = 1.0;
};
ScreenArea OpeningScreen();

// Creates the window system once; later calls do nothing. The command line is not read.
void StartApplication();

// Runs the window system until the last window has gone; returns the exit status.
int RunEventLoop();

// Processes every pending window event and timer tick, then returns.
void PumpEvents();

// Sleeps until at least one event has arrived and processes it. Waiting loops call this.
void WaitForEvents();

// Ends the program at once: no close handlers run, nothing is saved. Tests of the paths that
// end the game run them in a child process (a death test) and look at the files afterwards.
[[noreturn]] void EndProgram();

// Tests play the part of the player: the hook runs before each blocking wait.
void SetIdleHook(std::function<void()> hook);

// Runs the action from the event loop once the current handler has returned.
void Defer(std::function<void()> action);
// Keeps the object alive until the event handling that asked for this has returned, however
// many events are pumped inside that handler meanwhile.
void ReleaseLater(std::shared_ptr<void> object);
// A real sleep of the game's thread; nothing is delivered meanwhile.
void Pause(int milliseconds);

int DisplayWidthTwips();
int DisplayHeightTwips();

}  // namespace Platform
