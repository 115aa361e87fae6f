// The picture loader over any file in a scene picture's place, at every window scale: a picture
// is shown when it can be read, never larger than its slot, and otherwise the one shown before
// stays, size and all.
#include "FuzzCheck.h"
#include "ScratchFolder.h"
#include "platform/Application.h"
#include "platform/Image.h"
#include "platform/Window.h"

#include <cstdint>

namespace {

// A 3 by 2 pixel bitmap: the picture every load starts from.
constexpr unsigned char StartBitmap[] = {
    'B', 'M', 0x4e, 0, 0,   0, 0,   0, 0,    0, 0x36, 0, 0,    0,    0x28, 0,   0,    0,    3, 0, 0, 0,   2,   0, 0, 0,
    1,   0,   24,   0, 0,   0, 0,   0, 0x18, 0, 0,    0, 0x13, 0x0b, 0,    0,   0x13, 0x0b, 0, 0, 0, 0,   0,   0, 0, 0,
    0,   0,   0,    0, 255, 0, 255, 0, 255,  0, 0,    0, 0,    0,    255,  255, 255,  0,    0, 0, 0, 255, 255, 0, 0, 0};

constexpr int SlotWidth = 4500, SlotHeight = 3000;  // a scene picture's, in twips
constexpr int Scales = 4;

// A window with a scene picture's slot, made at one window scale.
struct Stage {
    Platform::Window window{SlotWidth, SlotHeight, "fuzz"};
    Platform::Image start{window, 0, 0, SlotWidth, SlotHeight};
    Platform::Image shown{window, 0, 0, SlotWidth, SlotHeight};
};

Stage* stages[Scales + 1];  // live as long as the window system

}  // namespace

// The font and display libraries keep their caches to the end of the process; not our leaks.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\nleak:libfreetype.so\nleak:libglib-2.0.so\nleak:libdbus-1.so\n";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_LOGGING_RULES", "*.warning=false", 0);  // a broken picture is the usual case here
    Platform::StartApplication();
    const auto path = ScratchFolder() / "start.bmp";
    WriteScratchFile(path, std::string_view(reinterpret_cast<const char*>(StartBitmap), sizeof StartBitmap));
    for (int scale = 1; scale <= Scales; ++scale) {
        Platform::SetWindowScale(scale);
        stages[scale] = new Stage;
        Require(stages[scale]->start.LoadPicture(path.string()), "the start picture loads");
        Require(stages[scale]->start.Width() == 45 && stages[scale]->start.Height() == 30,
                "a picture is shown at its size");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto path = ScratchFolder() / "picture";
    WriteScratchFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    for (int scale = 1; scale <= Scales; ++scale) {
        Platform::SetWindowScale(scale);
        Stage& stage = *stages[scale];
        stage.shown.CopyPictureFrom(stage.start);
        const bool loaded = stage.shown.LoadPicture(path.string());
        Require(stage.shown.HasPicture(), "a picture is shown after a load, the new one or the one before");
        Require(stage.shown.Width() <= SlotWidth && stage.shown.Height() <= SlotHeight, "a picture fits its slot");
        if (!loaded)
            Require(stage.shown.Width() == 45 && stage.shown.Height() == 30,
                    "a failed load leaves the picture as it was");
    }
    Platform::SetWindowScale(1);
    return 0;
}
