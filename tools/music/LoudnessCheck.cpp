// velloudness: plays every song through a soundfont offline, with the gain the game gives it on
// that soundfont, and checks that the game keeps one level: every song within kTolerance dB of
// the game's song level, its opening seconds within kTolerance dB of the whole song (a player who
// leaves the title screen soon hears only those), and the logo jingle within kTolerance dB of
// the title song that follows it. With --gains it prints the gains that bring each song to that
// level instead.
//   velloudness SOUNDFONT.sf2 JINGLE.wav TITLE.mid [SONG.mid ...]
//   velloudness --gains SOUNDFONT.sf2 SONG.mid [SONG.mid ...]
#include "SongRender.h"
#include "WavReader.h"
#include "platform/SongGains.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace velmusic;

constexpr double kTolerance = 1.5;

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The names the game looks gains up by: the soundfont's own file (a link such as default-GM.sf2
// followed) and the song's file.
std::string soundFontName(const std::string& path) { return std::filesystem::canonical(path).filename().string(); }

std::string songName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// Two songs at a time on the machine's two cores, each synth with the soundfont loaded once.
std::vector<RenderedLevel> renderAll(const std::string& soundFont, const std::vector<std::string>& songs,
                                     bool withGains)
{
    const std::string font = soundFontName(soundFont);
    auto gain = [&](size_t i) { return withGains ? Platform::SongGainDb(font, songName(songs[i])) : 0.0; };
    std::vector<RenderedLevel> levels(songs.size());
    auto renderEvery = [&](size_t first) {
        SongRenderer renderer(soundFont);
        for (size_t i = first; i < songs.size(); i += 2)
            levels[i] = renderer.render(readFile(songs[i]), gain(i));
    };
    auto second = std::async(std::launch::async, renderEvery, 1);
    renderEvery(0);
    second.get();
    return levels;
}

int check(const std::string& soundFont, const std::string& jingle, const std::vector<std::string>& songs)
{
    const std::vector<RenderedLevel> levels = renderAll(soundFont, songs, true);
    int faults = 0;
    std::printf("%-12s %8s %7s %9s %8s %8s %6s   (%s, level %.1f dB, allowed +-%.1f dB; opening: first %.0f s "
                "against the whole song)\n",
                "song", "seconds", "gain", "RMS dB", "off by", "opening", "peak", soundFontName(soundFont).c_str(),
                Platform::SongLevelDb, kTolerance, kOpeningSeconds);
    for (size_t i = 0; i < songs.size(); ++i) {
        const double off = levels[i].rmsDb - Platform::SongLevelDb;
        const double openingOff = levels[i].openingRmsDb - levels[i].rmsDb;
        const bool bad = std::abs(off) > kTolerance || std::abs(openingOff) > kTolerance || levels[i].peak > 1.0;
        faults += bad;
        std::printf("%-12s %8.1f %+7.1f %9.1f %+8.1f %+8.1f %6.2f%s\n", songName(songs[i]).c_str(), levels[i].seconds,
                    Platform::SongGainDb(soundFontName(soundFont), songName(songs[i])), levels[i].rmsDb, off,
                    openingOff, levels[i].peak, bad ? "   <- out of balance or clipping" : "");
    }
    const WavSummary logo = readWavFile(readFile(jingle));
    const double jingleOff = logo.rmsDb - levels.front().rmsDb;
    const bool jingleBad = std::abs(jingleOff) > kTolerance;
    faults += jingleBad;
    std::printf("%-12s %8.1f %7s %9.1f %+8.1f %8s %6.2f   (against %s)%s\n", songName(jingle).c_str(), logo.seconds, "",
                logo.rmsDb, jingleOff, "", logo.peak, songName(songs.front()).c_str(),
                jingleBad ? "   <- out of balance" : "");
    return faults == 0 ? 0 : 1;
}

// The rows of SongGains for one soundfont, measured without gains.
int printGains(const std::string& soundFont, const std::vector<std::string>& songs)
{
    const std::vector<RenderedLevel> levels = renderAll(soundFont, songs, false);
    for (size_t i = 0; i < songs.size(); ++i)
        std::printf("    {\"%s\", \"%s\", %.1f},  // %.1f dB, peak %.2f\n", soundFontName(soundFont).c_str(),
                    songName(songs[i]).c_str(), Platform::SongLevelDb - levels[i].rmsDb, levels[i].rmsDb,
                    levels[i].peak);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool gains = argc > 1 && std::strcmp(argv[1], "--gains") == 0;
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: velloudness SOUNDFONT.sf2 JINGLE.wav TITLE.mid [SONG.mid ...]\n"
                     "       velloudness --gains SOUNDFONT.sf2 SONG.mid [SONG.mid ...]\n");
        return 2;
    }
    try {
        if (gains)
            return printGains(argv[2], std::vector<std::string>(argv + 3, argv + argc));
        return check(argv[1], argv[2], std::vector<std::string>(argv + 3, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velloudness: %s\n", error.what());
        return 1;
    }
}
