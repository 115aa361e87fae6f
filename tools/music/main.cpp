// velmusic: turns the game's scores into MIDI files, checks MIDI files and
// synthesises the logo sounds.
//   velmusic SCORE OUT.mid                  compile a score
//   velmusic --check FILE.mid [--min-seconds N]
//   velmusic --wav logo|silence OUT.wav     synthesise a sound
//   velmusic --check-wav FILE.wav MIN MAX [--silent]
//                                           check a sound, that it lasts MIN..MAX seconds and that
//                                           it is heard (or, with --silent, that it is not)

#include "MidiReader.h"
#include "MidiWriter.h"
#include "Performance.h"
#include "ScoreParser.h"
#include "WavReader.h"
#include "WavWriter.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace velmusic;

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

int compile(const std::string& scorePath, const std::string& midiPath)
{
    auto text = readFile(scorePath);
    Song song = parseScore(std::string(text.begin(), text.end()), scorePath);
    perform(song);
    writeFile(midiPath, midiFileBytes(song));
    return 0;
}

int check(const std::string& midiPath, double minSeconds)
{
    MidiSummary summary = readMidiFile(readFile(midiPath));
    std::printf("%s: format %d, %zu tracks, %d ticks per quarter, %.1f s\n", midiPath.c_str(), summary.format,
                summary.tracks.size(), summary.ticksPerQuarter, summary.seconds);
    for (const TrackSummary& track : summary.tracks) {
        std::printf("  %-12s", track.name.c_str());
        if (track.channel != 0)
            std::printf(" channel %2d program %3d", track.channel, track.program);
        if (track.notes > 0)
            std::printf(" %5d notes, keys %d..%d", track.notes, track.lowestKey, track.highestKey);
        std::printf("\n");
    }
    if (summary.seconds < minSeconds) {
        std::fprintf(stderr, "%s: %.1f s is shorter than %.1f s\n", midiPath.c_str(), summary.seconds, minSeconds);
        return 1;
    }
    return 0;
}

int checkWav(const std::string& wavPath, double minSeconds, double maxSeconds, bool silent)
{
    WavSummary summary = readWavFile(readFile(wavPath));
    std::printf("%s: %d Hz, %d channel(s), %d bits, %.2f s, peak %.2f\n", wavPath.c_str(), summary.sampleRate,
                summary.channels, summary.bitsPerSample, summary.seconds, summary.peak);
    if (summary.seconds < minSeconds || summary.seconds > maxSeconds) {
        std::fprintf(stderr, "%s: %.2f s is outside %.2f..%.2f s\n", wavPath.c_str(), summary.seconds, minSeconds,
                     maxSeconds);
        return 1;
    }
    if (silent && summary.peak > 0) {
        std::fprintf(stderr, "%s: should be silent\n", wavPath.c_str());
        return 1;
    }
    if (!silent && summary.peak < 0.05) {
        std::fprintf(stderr, "%s: all but silent\n", wavPath.c_str());
        return 1;
    }
    return 0;
}

int synthesise(const std::string& which, const std::string& wavPath)
{
    if (which == "logo")
        writeFile(wavPath, wavFileBytes(logoJingle()));
    else if (which == "silence")
        writeFile(wavPath, wavFileBytes(silence()));
    else
        throw std::runtime_error("unknown sound '" + which + "' (logo or silence)");
    return 0;
}

int usage()
{
    std::cerr << "usage: velmusic SCORE OUT.mid\n"
                 "       velmusic --check FILE.mid [--min-seconds N]\n"
                 "       velmusic --wav logo|silence OUT.wav\n"
                 "       velmusic --check-wav FILE.wav MIN-SECONDS MAX-SECONDS [--silent]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.size() == 2 && args[0] == "--check")
            return check(args[1], 0);
        if (args.size() == 4 && args[0] == "--check" && args[2] == "--min-seconds")
            return check(args[1], std::stod(args[3]));
        if (args.size() == 3 && args[0] == "--wav")
            return synthesise(args[1], args[2]);
        if (args.size() == 4 && args[0] == "--check-wav")
            return checkWav(args[1], std::stod(args[2]), std::stod(args[3]), false);
        if (args.size() == 5 && args[0] == "--check-wav" && args[4] == "--silent")
            return checkWav(args[1], std::stod(args[2]), std::stod(args[3]), true);
        if (args.size() == 2 && args[0][0] != '-')
            return compile(args[0], args[1]);
        return usage();
    } catch (const std::exception& error) {
        std::cerr << "velmusic: " << error.what() << "\n";
        return 1;
    }
}
