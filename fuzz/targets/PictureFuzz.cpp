// The picture loader over any file: a picture is shown when it can be read, and otherwise the
// one shown before stays, size and all.
#include "FuzzCheck.h"
#include "ScratchFolder.h"
#include "platform/Application.h"
#include "platform/Image.h"
#include "platform/Window.h"

#include <cstdint>
#include <memory>

namespace {

// A 3 by 2 pixel bitmap: the picture every load starts from.
constexpr unsigned char StartBitmap[] = {
    'B', 'M', 0x4e, 0, 0,   0, 0,   0, 0,    0, 0x36, 0, 0,    0,    0x28, 0,   0,    0,    3, 0, 0, 0,   2,   0, 0, 0,
    1,   0,   24,   0, 0,   0, 0,   0, 0x18, 0, 0,    0, 0x13, 0x0b, 0,    0,   0x13, 0x0b, 0, 0, 0, 0,   0,   0, 0, 0,
    0,   0,   0,    0, 255, 0, 255, 0, 255,  0, 0,    0, 0,    0,    255,  255, 255,  0,    0, 0, 0, 255, 255, 0, 0, 0};

struct Stage {
    Platform::Window window{3000, 3000, "fuzz"};
    Platform::Image start{window, 0, 0, 15, 15};
    Platform::Image shown{window, 0, 0, 15, 15};
};

Stage& TheStage()
{
    static Stage* stage = new Stage;  // lives as long as the window system
    return *stage;
}

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
    Require(TheStage().start.LoadPicture(path.string()), "the start picture loads");
    Require(TheStage().start.Width() == 45 && TheStage().start.Height() == 30, "a picture is shown at its size");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Stage& stage = TheStage();
    const auto path = ScratchFolder() / "picture";
    WriteScratchFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    stage.shown.CopyPictureFrom(stage.start);
    const bool loaded = stage.shown.LoadPicture(path.string());
    Require(stage.shown.HasPicture(), "a picture is shown after a load, the new one or the one before");
    if (!loaded)
        Require(stage.shown.Width() == 45 && stage.shown.Height() == 30, "a failed load leaves the picture as it was");
    return 0;
}
