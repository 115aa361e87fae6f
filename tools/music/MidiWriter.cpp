#include "MidiWriter.h"

#include <algorithm>
#include <bit>
#include <string>
#include <tuple>

namespace velmusic {
namespace {

struct Event {
    int64_t tick;
    int order;  // at one tick: controls first, then note-offs, then note-ons
    std::vector<uint8_t> bytes;
};

void putVariableLength(std::vector<uint8_t>& out, uint64_t value)
{
    uint8_t groups[10];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

void putBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

Event metaText(int type, const std::string& text)
{
    Event event{0, 0, {0xFF, static_cast<uint8_t>(type)}};
    putVariableLength(event.bytes, text.size());
    event.bytes.insert(event.bytes.end(), text.begin(), text.end());
    return event;
}

// Sorts the events, writes deltas with running status and closes with end-of-track.
std::vector<uint8_t> trackChunk(std::vector<Event> events, int64_t endTick)
{
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return std::tie(a.tick, a.order) < std::tie(b.tick, b.order);
    });
    std::vector<uint8_t> data;
    int64_t now = 0;
    uint8_t runningStatus = 0;
    for (const Event& event : events) {
        putVariableLength(data, event.tick - now);
        now = event.tick;
        uint8_t status = event.bytes[0];
        bool channelMessage = status < 0xF0;
        size_t from = channelMessage && status == runningStatus ? 1 : 0;
        runningStatus = channelMessage ? status : 0;
        data.insert(data.end(), event.bytes.begin() + from, event.bytes.end());
    }
    putVariableLength(data, std::max(endTick, now) - now);
    data.insert(data.end(), {0xFF, 0x2F, 0x00});

    std::vector<uint8_t> chunk = {'M', 'T', 'r', 'k'};
    putBigEndian(chunk, static_cast<uint32_t>(data.size()), 4);
    chunk.insert(chunk.end(), data.begin(), data.end());
    return chunk;
}

std::vector<Event> conductorEvents(const Song& song)
{
    std::vector<Event> events;
    events.push_back(metaText(0x03, song.title));
    uint8_t unitPower = static_cast<uint8_t>(std::countr_zero(static_cast<unsigned>(song.beatUnit)));
    uint8_t clocksPerBeat = static_cast<uint8_t>(96 / song.beatUnit);
    events.push_back({0, 0, {0xFF, 0x58, 0x04, static_cast<uint8_t>(song.beatsPerBar), unitPower, clocksPerBeat, 8}});
    Event tempo{0, 0, {0xFF, 0x51, 0x03}};
    putBigEndian(tempo.bytes, static_cast<uint32_t>(60'000'000 / song.tempoBpm), 3);
    events.push_back(tempo);
    return events;
}

std::vector<Event> instrumentEvents(const Track& track)
{
    const auto channel = static_cast<uint8_t>(track.channel - 1);
    auto control = [&](int number, int value) {
        return Event{
            0, 0, {static_cast<uint8_t>(0xB0 | channel), static_cast<uint8_t>(number), static_cast<uint8_t>(value)}};
    };
    std::vector<Event> events;
    events.push_back(metaText(0x03, track.name));
    events.push_back({0, 0, {static_cast<uint8_t>(0xC0 | channel), static_cast<uint8_t>(track.program)}});
    events.push_back(control(7, track.volume));
    events.push_back(control(10, track.pan));
    events.push_back(control(91, track.reverb));
    events.push_back(control(93, track.chorus));
    const auto noteOn = static_cast<uint8_t>(0x90 | channel);
    for (const Note& note : track.notes) {
        events.push_back(
            {note.start, 2, {noteOn, static_cast<uint8_t>(note.key), static_cast<uint8_t>(note.velocity)}});
        // A note-on with velocity 0 ends the note and keeps running status going.
        events.push_back({note.start + note.length, 1, {noteOn, static_cast<uint8_t>(note.key), 0}});
    }
    return events;
}

}  // namespace

std::vector<uint8_t> midiFileBytes(const Song& song)
{
    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    putBigEndian(file, static_cast<uint32_t>(song.tracks.size() + 1), 2);
    putBigEndian(file, kTicksPerQuarter, 2);
    auto append = [&](const std::vector<uint8_t>& chunk) { file.insert(file.end(), chunk.begin(), chunk.end()); };
    append(trackChunk(conductorEvents(song), song.lengthTicks));
    for (const Track& track : song.tracks)
        append(trackChunk(instrumentEvents(track), song.lengthTicks));
    return file;
}

}  // namespace velmusic
