#include "MidiReader.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace velmusic {
namespace {

class Cursor {
public:
    Cursor(const std::vector<uint8_t>& bytes, size_t begin, size_t end)
        : bytes_(bytes),
          at_(begin),
          end_(end)
    {}

    bool done() const { return at_ == end_; }
    uint8_t peek() const
    {
        need(1);
        return bytes_[at_];
    }
    uint8_t byte()
    {
        need(1);
        return bytes_[at_++];
    }
    uint32_t bigEndian(int count)
    {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | byte();
        return value;
    }
    uint32_t variableLength()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b = byte();
            value = value << 7 | (b & 0x7F);
            if ((b & 0x80) == 0)
                return value;
        }
        throw std::runtime_error("variable-length number longer than 4 bytes");
    }
    void skip(size_t count)
    {
        need(count);
        at_ += count;
    }
    size_t position() const { return at_; }

private:
    void need(size_t count) const
    {
        if (end_ - at_ < count)
            throw std::runtime_error("data runs past the end of its chunk");
    }
    const std::vector<uint8_t>& bytes_;
    size_t at_;
    size_t end_;
};

struct TempoChange {
    int64_t tick;
    uint32_t microsPerQuarter;
};

// Reads one MTrk body; returns its end tick.
int64_t readTrack(Cursor in, TrackSummary& track, std::vector<TempoChange>& tempos)
{
    int64_t tick = 0;
    uint8_t status = 0;
    std::map<int, int> sounding;  // channel * 128 + key -> count
    bool ended = false;
    while (!in.done()) {
        if (ended)
            throw std::runtime_error("events after end-of-track");
        tick += in.variableLength();
        if (in.peek() & 0x80)
            status = in.byte();
        else if (status == 0)
            throw std::runtime_error("data byte without running status");
        if (status == 0xFF) {
            uint8_t type = in.byte();
            uint32_t length = in.variableLength();
            size_t at = in.position();
            if (type == 0x2F)
                ended = true;
            if (type == 0x03) {
                for (uint32_t i = 0; i < length; ++i)
                    track.name += static_cast<char>(in.byte());
            } else if (type == 0x51 && length == 3) {
                tempos.push_back({tick, in.bigEndian(3)});
            } else {
                in.skip(length);
            }
            if (in.position() != at + length)
                throw std::runtime_error("bad meta event length");
            status = 0;
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            in.skip(in.variableLength());
            status = 0;
            continue;
        }
        if (status >= 0xF0)
            throw std::runtime_error("unexpected system message");
        int kind = status & 0xF0;
        int channel = (status & 0x0F) + 1;
        if (track.channel == 0)
            track.channel = channel;
        uint8_t first = in.byte();
        uint8_t second = (kind == 0xC0 || kind == 0xD0) ? 0 : in.byte();
        if ((first | second) & 0x80)
            throw std::runtime_error("data byte above 127");
        int slot = channel * 128 + first;
        if (kind == 0x90 && second > 0) {
            ++sounding[slot];
            ++track.notes;
            track.lowestKey = std::min<int>(track.lowestKey, first);
            track.highestKey = std::max<int>(track.highestKey, first);
        } else if (kind == 0x80 || kind == 0x90) {
            if (sounding[slot] == 0)
                throw std::runtime_error("note-off without a note");
            --sounding[slot];
        } else if (kind == 0xC0 && track.program < 0) {
            track.program = first;
        }
    }
    if (!ended)
        throw std::runtime_error("track has no end-of-track");
    for (const auto& [slot, count] : sounding)
        if (count != 0)
            throw std::runtime_error("a note never ends");
    return tick;
}

double secondsAt(int64_t tick, std::vector<TempoChange> tempos, int ticksPerQuarter)
{
    std::stable_sort(tempos.begin(), tempos.end(), [](auto& a, auto& b) { return a.tick < b.tick; });
    double seconds = 0;
    int64_t from = 0;
    uint32_t micros = 500'000;  // 120 beats a minute until a tempo event says otherwise
    for (const TempoChange& change : tempos) {
        if (change.tick >= tick)
            break;
        seconds += double(change.tick - from) * micros / 1e6 / ticksPerQuarter;
        from = change.tick;
        micros = change.microsPerQuarter;
    }
    return seconds + double(tick - from) * micros / 1e6 / ticksPerQuarter;
}

}  // namespace

MidiSummary readMidiFile(const std::vector<uint8_t>& bytes)
{
    Cursor header(bytes, 0, bytes.size());
    if (header.bigEndian(4) != 0x4D546864 || header.bigEndian(4) != 6)
        throw std::runtime_error("no MThd header");
    MidiSummary summary;
    summary.format = static_cast<int>(header.bigEndian(2));
    uint32_t trackCount = header.bigEndian(2);
    summary.ticksPerQuarter = static_cast<int>(header.bigEndian(2));
    if (summary.ticksPerQuarter == 0 || summary.ticksPerQuarter & 0x8000)
        throw std::runtime_error("only ticks-per-quarter timing is supported");
    std::vector<TempoChange> tempos;
    size_t at = header.position();
    for (uint32_t i = 0; i < trackCount; ++i) {
        Cursor chunk(bytes, at, bytes.size());
        if (chunk.bigEndian(4) != 0x4D54726B)
            throw std::runtime_error("expected MTrk chunk " + std::to_string(i + 1));
        uint32_t length = chunk.bigEndian(4);
        size_t begin = chunk.position();
        if (bytes.size() - begin < length)
            throw std::runtime_error("MTrk chunk longer than the file");
        TrackSummary track;
        try {
            summary.lengthTicks =
                std::max(summary.lengthTicks, readTrack(Cursor(bytes, begin, begin + length), track, tempos));
        } catch (const std::runtime_error& error) {
            throw std::runtime_error("track " + std::to_string(i + 1) + ": " + error.what());
        }
        summary.tracks.push_back(track);
        at = begin + length;
    }
    if (at != bytes.size())
        throw std::runtime_error("bytes after the last track");
    summary.seconds = secondsAt(summary.lengthTicks, tempos, summary.ticksPerQuarter);
    return summary;
}

}  // namespace velmusic
