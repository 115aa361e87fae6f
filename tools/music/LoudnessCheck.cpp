// velloudness: plays every song through the game's first soundfont offline and checks that the
// game keeps one level: every song within kTolerance dB of the songs' median, and the logo
// jingle within kTolerance dB of the title song that follows it.
//   velloudness SOUNDFONT.sf2 JINGLE.wav TITLE.mid [SONG.mid ...]
#include "SongRender.h"
#include "WavReader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
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

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Two songs at a time: the machine's two cores. The first plays alone, as FluidSynth sets up its
// shared tables with the first synth and a second one made meanwhile could find them half done.
std::vector<RenderedLevel> renderAll(const std::string& soundFont, const std::vector<std::string>& songs)
{
    std::vector<RenderedLevel> levels(songs.size());
    levels[0] = renderLevel(soundFont, readFile(songs[0]));
    for (size_t i = 1; i < songs.size(); i += 2) {
        auto second = i + 1 < songs.size()
            ? std::async(std::launch::async, [&, i] { return renderLevel(soundFont, readFile(songs[i + 1])); })
            : std::future<RenderedLevel>();
        levels[i] = renderLevel(soundFont, readFile(songs[i]));
        if (second.valid())
            levels[i + 1] = second.get();
    }
    return levels;
}

int check(const std::string& soundFont, const std::string& jingle, const std::vector<std::string>& songs)
{
    const std::vector<RenderedLevel> levels = renderAll(soundFont, songs);
    std::vector<double> rms;
    for (const RenderedLevel& level : levels)
        rms.push_back(level.rmsDb);
    const double middle = median(rms);
    int faults = 0;
    std::printf("%-12s %8s %9s %8s %6s   (%s, median %.1f dB, allowed +-%.1f dB)\n", "song", "seconds", "RMS dB",
                "off by", "peak", std::filesystem::path(soundFont).filename().c_str(), middle, kTolerance);
    for (size_t i = 0; i < songs.size(); ++i) {
        const double off = rms[i] - middle;
        const bool bad = std::abs(off) > kTolerance || levels[i].peak > 1.0;
        faults += bad;
        std::printf("%-12s %8.1f %9.1f %+8.1f %6.2f%s\n", std::filesystem::path(songs[i]).stem().c_str(),
                    levels[i].seconds, rms[i], off, levels[i].peak, bad ? "   <- out of balance or clipping" : "");
    }
    const WavSummary logo = readWavFile(readFile(jingle));
    const double jingleOff = logo.rmsDb - rms.front();
    const bool jingleBad = std::abs(jingleOff) > kTolerance;
    faults += jingleBad;
    std::printf("%-12s %8.1f %9.1f %+8.1f %6.2f   (against %s)%s\n", std::filesystem::path(jingle).filename().c_str(),
                logo.seconds, logo.rmsDb, jingleOff, logo.peak, std::filesystem::path(songs.front()).stem().c_str(),
                jingleBad ? "   <- out of balance" : "");
    return faults == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: velloudness SOUNDFONT.sf2 JINGLE.wav TITLE.mid [SONG.mid ...]\n");
        return 2;
    }
    try {
        return check(argv[1], argv[2], std::vector<std::string>(argv + 3, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velloudness: %s\n", error.what());
        return 1;
    }
}
