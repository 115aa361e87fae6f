// velbench [seconds]: the game's figures, run from the game directory. Start-up to the logo and
// to the main screen, memory in play, CPU while the player stands idle (music off, then on),
// one scene switch, one song change (and memory after hundreds of them), one reply draw, one
// response lookup, the peak memory with picture bombs in a picture's place, and the level of
// every song through the game's first soundfont. The idle stretches last `seconds` (60 by
// default; a short run gives rougher CPU figures).
#include "core/GameState.h"
#include "core/Random.h"
#include "extras/VelAlbum.h"
#include "frontend/Demoform.h"
#include "frontend/VelStart.h"
#include "frontend/VelTitle.h"
#include "game/VelMain.h"
#include "media/CV_Midi.h"
#include "media/Songs.h"
#include "platform/Application.h"
#include "platform/Image.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "scene/Scenes.h"
#include "startup/StartUp.h"
#include "startup/WindowScale.h"
#include "talk/ConversationFiles.h"
#include "talk/ReplyDraw.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds since the kernel started this process (to its clock-tick resolution).
double MsSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string all((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(all.substr(all.rfind(')') + 2));
    std::string field;
    for (int i = 3; i <= 22; ++i)
        fields >> field;  // field 22: start time in clock ticks after boot
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double startMs = std::stod(field) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
    return double(now.tv_sec) * 1000.0 + double(now.tv_nsec) / 1e6 - startMs;
}

double ResidentMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Lets the game run on its own, as when the player only watches, for the given time.
void RunFor(int ms)
{
    bool done = false;
    Platform::Timer stop(ms, true);
    stop.OnTick([&] { done = true; });
    while (!done)
        Platform::WaitForEvents();
}

double IdleCpuPercent(int seconds)
{
    const double cpu = CpuSeconds();
    const auto start = Clock::now();
    RunFor(seconds * 1000);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    return 100.0 * (CpuSeconds() - cpu) / wall;
}

// The quickest player: start label, new game, a name, every narration line and the album
// clicked the moment they appear.
void PlayTheFastestWayIn()
{
    using namespace Velmoor2;
    Platform::SetIdleHook([] {
        if (TheClassAlbum.IsLoaded() && TheClassAlbum.Get().Form.IsVisible())
            TheClassAlbum.Get().Image1[0]->SimulateClick();
        else if (TheMainScreen.IsLoaded())
            TheMainScreen.Get().Label1.SimulateClick();
        Platform::Defer([] {});
    });
    TheTitleScreen.Get().Label2.SimulateClick();
    VelStart& start = TheStartScreen.Get();
    start.Label1[0]->SimulateClick();
    start.Picture1.Text1.SetText("高瀬");
    start.Picture1.Text2.SetText("悠");
    start.Picture1.OKBUTTON.SimulateClick();
    Platform::SetIdleHook({});
    Platform::PumpEvents();
}

template <typename Action>
double AverageMs(int times, Action action)
{
    const auto start = Clock::now();
    for (int i = 0; i < times; ++i)
        action(i);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / times;
}

// Every song of the game.
std::vector<std::string> Songs()
{
    std::vector<std::string> songs{CV_Midi::TitleSong, CV_Midi::StartScreenSong, CV_Midi::ClosingTimeSong,
                                   CV_Midi::StaffRollSong, CV_Midi::WalkingSong};
    for (int girl : Velmoor2::Classmates)
        songs.push_back(CV_Midi::HeroineSong(girl));
    return songs;
}

// One song after another, as scenes change heroines: the time of one change, and the memory
// before and after 550 of them, which must stay the same.
void SongChanges()
{
    const std::vector<std::string> songs = Songs();
    CV_Midi::MidiPlay(songs[0]);  // the synth and its soundfont are ready from the first song on
    RunFor(200);
    constexpr int Changes = 550;
    std::vector<double> times;
    const double residentBefore = ResidentMiB();
    for (int i = 0; i < Changes; ++i) {
        const auto start = Clock::now();
        CV_Midi::MidiPlay(songs[(i + 1) % songs.size()]);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (i % 11 == 0)
            RunFor(20);  // let the device play a little of the song
    }
    std::sort(times.begin(), times.end());
    const double average = std::accumulate(times.begin(), times.end(), 0.0) / Changes;
    std::printf("song change: %.3f ms on average, %.3f ms for 99 %% of them, %.3f ms at most (playing: %s)\n", average,
                times[Changes * 99 / 100], times.back(), CV_Midi::MidiIsPlaying() ? "yes" : "no");
    std::printf("resident memory before and after 550 song changes: %.1f MiB, %.1f MiB\n", residentBefore,
                ResidentMiB());
    CV_Midi::MidiClose();
}

// A black 300 x 200 bitmap, the size of a scene picture.
std::string ScenePictureBitmap()
{
    constexpr uint32_t Width = 300, Height = 200, HeaderSize = 54, Size = HeaderSize + Width * 3 * Height;
    std::string bitmap(Size, '\0');
    const auto put = [&](size_t at, uint32_t value) {
        for (size_t i = 0; i < 4; ++i)
            bitmap[at + i] = static_cast<char>(value >> (8 * i));
    };
    bitmap[0] = 'B';
    bitmap[1] = 'M';
    put(2, Size);
    put(10, HeaderSize);
    put(14, 40);
    put(18, Width);
    put(22, Height);
    put(26, 1 | 24 << 16);  // one plane, 24 bits a pixel
    return bitmap;
}

double PeakResidentMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// The peak from here on starts at what the process holds now.
void ResetPeakResident() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Files that take a few bytes on disk and gigabytes once decoded and enlarged, put where the game
// reads a scene picture and where it reads the picture's sharp rendering, at every window scale:
// the peak memory of loading each must stay in the game's budget of 96 MiB.
void PictureBombs()
{
    // A GIF of one pixel on a 5600 x 5600 screen (decoded whole: 120 MiB), and an SVG as large.
    static constexpr char GifBomb[] = "GIF89a\xE0\x15\xE0\x15\x80\x00\x00\x00\x00\x00\xff\xff\xff\x2c\x00\x00\x00"
                                      "\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b";
    const std::string gif(GifBomb, sizeof GifBomb - 1);
    const std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"5600\" height=\"5600\"><rect "
                            "width=\"5600\" height=\"5600\"/></svg>";
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velbench-bombs";
    std::filesystem::create_directories(folder);
    const std::string design = (folder / "C211C.VEL").string();
    const int scaleInPlay = Platform::WindowScale();
    for (const auto& [bomb, kind] : {std::pair{gif, "GIF"}, std::pair{svg, "SVG"}}) {
        for (const bool asSharp : {false, true}) {
            std::printf("peak memory, a %zu-byte 5600 x 5600 %s as %s at scale 1 to 4:", bomb.size(), kind,
                        asSharp ? "a sharp rendering" : "a scene picture");
            for (int scale = 1; scale <= 4; ++scale) {
                Platform::SetWindowScale(scale);
                std::ofstream(design, std::ios::binary) << (asSharp ? ScenePictureBitmap() : bomb);
                std::ofstream((folder / ("C211C@" + std::to_string(scale) + "x.png")).string(), std::ios::binary)
                    << bomb;
                Platform::Window window(4500, 3000, "bench");
                Platform::Image picture(window, 0, 0, 4500, 3000);
                ResetPeakResident();
                picture.LoadPicture(design);
                std::printf(" %.1f MiB", PeakResidentMiB());
            }
            std::printf("\n");
        }
    }
    Platform::SetWindowScale(scaleInPlay);
    std::filesystem::remove_all(folder);
}

// The level of every song and of the logo jingle, measured by the build's level check.
void SongLevels()
{
    std::string command = "../tools/music/velloudness /usr/share/sounds/sf2/TimGM6mb.sf2 CVDEMO.WAV";
    for (const std::string& song : Songs())
        command += " " + song;
    std::printf("song levels:\n");
    std::fflush(stdout);
    if (std::system(command.c_str()) != 0)
        std::printf("(a song is out of balance, or the level check was not built)\n");
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace Velmoor2;
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    // Without a sound card the songs play on SDL's dummy device, which renders them in real time
    // all the same. SDL_AUDIODRIVER=alsa on such a machine measures the game looking for a device.
    std::error_code noCard;
    if (!std::filesystem::exists("/dev/snd", noCard) && setenv("SDL_AUDIODRIVER", "dummy", 0) == 0)
        std::printf("no sound card: %s audio device\n", std::getenv("SDL_AUDIODRIVER"));
    Platform::StartApplication();
    ChooseWindowScale();
    std::printf("window scale: %d\n", Platform::WindowScale());
    TheLogoDemo.Get().Form.Show();
    Platform::PumpEvents();
    std::printf("start to logo shown: %.0f ms\n", MsSinceProcessStart());
    StartUp();  // the logo's 4.8 seconds, then the title
    Platform::PumpEvents();
    std::printf("start to title shown: %.0f ms (after the logo)\n", MsSinceProcessStart());
    PlayTheFastestWayIn();
    std::printf("start to main screen in play, clicking at once: %.0f ms\n", MsSinceProcessStart());

    RunFor(10000);
    std::printf("resident memory after 10 s: %.1f MiB\n", ResidentMiB());

    CV_Midi::MidiOff = true;
    CV_Midi::MidiClose();
    std::printf("idle CPU, music off: %.2f %% of a core over %d s\n", IdleCpuPercent(seconds), seconds);
    CV_Midi::MidiOff = false;
    CV_Midi::LoopMidi = CV_Midi::WalkingSong;
    CV_Midi::MidiPlay(CV_Midi::LoopMidi);
    std::printf("idle CPU, music on:  %.2f %% of a core over %d s\n", IdleCpuPercent(seconds), seconds);

    // Two empty places share the walking music; a heroine's scene changes the song as well.
    for (auto [first, second, what] :
         {std::tuple{"C230C", "C250C", "picture only"}, std::tuple{"C230C", "C231C", "picture and song"}})
        std::printf("scene switch, %s: %.2f ms\n", what, AverageMs(50, [&](int i) {
                        ShowScene(i % 2 ? second : first, "ベンチマーク", "");
                        Platform::PumpEvents();
                    }));
    SongChanges();
    std::printf("reply draw: %.4f ms\n", AverageMs(1000, [](int) { DrawFivePositions(RandomUnit); }));
    // The last code of the last conversation in the file: the longest search there is.
    const auto codes76B = ReplyCodesOf("76B").Get();
    std::printf("response lookup: %.3f ms\n", AverageMs(200, [&](int) { ResponseTo("76B", codes76B[9]); }));
    std::printf("resident memory at the end: %.1f MiB\n", ResidentMiB());
    PictureBombs();
    std::fflush(stdout);
    SongLevels();
    Platform::EndProgram();
}
