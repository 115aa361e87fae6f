#include "ScoreParser.h"

#include "NoteNames.h"
#include "NoteTokens.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace velmusic {
namespace {

struct TrackStyle {
    int velocity = 80;
    int gate = 92;  // percent of the written length that sounds
};

// One track's notes within one section, while the section is read.
struct Voice {
    int64_t cursor = 0;
    int64_t value = kTicksPerQuarter;  // the last note value written; later notes may omit it
    int velocity = 80;
    std::vector<Note> notes;  // lengths as written, gate applied at the end
    std::vector<int> gates;
    std::vector<size_t> lastStarted;  // notes that a following "~" lengthens
    struct Hairpin {
        size_t firstNote;
        int64_t startTick;
        int startVelocity;
    };
    std::optional<Hairpin> hairpin;  // a "!<" or "!>" waiting for the loudness it leads to
};

struct Section {
    int64_t length = 0;
    std::map<size_t, Voice> voices;  // by track index
    std::string like;                // the section whose other tracks this one plays
};

struct Suffix {
    int64_t ticks;
    bool staccato = false;
    bool accent = false;
};

int toInt(const std::string& word, int low, int high)
{
    size_t used = 0;
    int value = 0;
    try {
        value = std::stoi(word, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != word.size() || value < low || value > high)
        throw std::runtime_error("expected a number from " + std::to_string(low) + " to " + std::to_string(high)
                                 + ", got '" + word + "'");
    return value;
}

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

int dynamic(const std::string& mark)
{
    static const std::map<std::string, int> kLevels = {{"pp", 36}, {"p", 50}, {"mp", 64},
                                                       {"mf", 80}, {"f", 96}, {"ff", 112}};
    auto it = kLevels.find(mark);
    return it != kLevels.end() ? it->second : toInt(mark, 1, 127);
}

int keyOf(std::string_view name)
{
    if (auto key = parsePitch(name))
        return *key;
    if (auto key = drumKey(name))
        return *key;
    throw std::runtime_error("unknown pitch or drum '" + std::string(name) + "'");
}

Suffix readSuffix(std::string_view text, Voice& voice)
{
    Suffix suffix{voice.value};
    size_t i = 0;
    if (i < text.size() && text[i] == '/') {
        size_t end = text.find_first_of("'>", 1);
        if (end == std::string_view::npos)
            end = text.size();
        auto ticks = parseNoteValue(text.substr(1, end - 1));
        if (!ticks)
            throw std::runtime_error("bad note value '" + std::string(text.substr(1, end - 1)) + "'");
        voice.value = suffix.ticks = *ticks;
        i = end;
    }
    for (; i < text.size(); ++i) {
        if (text[i] == '\'')
            suffix.staccato = true;
        else if (text[i] == '>')
            suffix.accent = true;
        else
            throw std::runtime_error("unexpected '" + std::string(text.substr(i)) + "'");
    }
    return suffix;
}

class Reader {
public:
    explicit Reader(std::string fileName)
        : fileName_(std::move(fileName))
    {}

    Song read(std::string_view text)
    {
        std::istringstream in{std::string(text)};
        std::string line;
        while (std::getline(in, line)) {
            ++lineNumber_;
            line = line.substr(0, line.find(';'));
            try {
                readLine(line);
            } catch (const std::runtime_error& error) {
                throw std::runtime_error(fileName_ + ":" + std::to_string(lineNumber_) + ": " + error.what());
            }
        }
        if (inSection_)
            throw std::runtime_error(fileName_ + ": section '" + sectionName_ + "' has no 'end'");
        if (!sawForm_)
            throw std::runtime_error(fileName_ + ": no 'form' line");
        return std::move(song_);
    }

private:
    int64_t barTicks() const { return int64_t{song_.beatsPerBar} * 4 * kTicksPerQuarter / song_.beatUnit; }

    void readLine(const std::string& line)
    {
        auto w = words(line);
        if (w.empty())
            return;
        if (inSection_) {
            if (w[0] == "end" && w.size() == 1)
                return endSection();
            size_t colon = line.find(':');
            if (colon == std::string::npos)
                throw std::runtime_error("expected 'track: notes' or 'end'");
            auto name = words(line.substr(0, colon));
            if (name.size() != 1)
                throw std::runtime_error("expected one track name before ':'");
            return readNotes(trackIndex(name[0]), line.substr(colon + 1));
        }
        const std::string& keyword = w[0];
        if (keyword == "title") {
            song_.title = line.substr(line.find("title") + 6);
        } else if (keyword == "tempo" && w.size() == 2) {
            song_.tempoBpm = toInt(w[1], 20, 300);
        } else if (keyword == "time" && w.size() == 2 && w[1].find('/') != std::string::npos) {
            song_.beatsPerBar = toInt(w[1].substr(0, w[1].find('/')), 1, 16);
            song_.beatUnit = toInt(w[1].substr(w[1].find('/') + 1), 1, 16);
            if (song_.beatUnit != 2 && song_.beatUnit != 4 && song_.beatUnit != 8)
                throw std::runtime_error("the beat must be a half, quarter or eighth note");
        } else if (keyword == "swing" && w.size() == 2) {
            song_.swingPercent = toInt(w[1], 50, 75);
        } else if (keyword == "feel" && w.size() == 2) {
            song_.feelTicks = toInt(w[1], 0, 40);
        } else if (keyword == "level" && w.size() == 2) {
            if (!song_.tracks.empty())
                throw std::runtime_error("'level' must come before the tracks");
            levelDb_ = toInt(w[1], -24, 24);
        } else if (keyword == "phrase" && w.size() == 2) {
            song_.phraseBars = toInt(w[1], 0, 16);
        } else if (keyword == "track" && w.size() >= 2) {
            readTrack(w);
        } else if (keyword == "section" && (w.size() == 2 || (w.size() == 4 && w[2] == "like"))) {
            if (sections_.count(w[1]))
                throw std::runtime_error("section '" + w[1] + "' defined twice");
            if (w.size() == 4 && !sections_.count(w[3]))
                throw std::runtime_error("no section named '" + w[3] + "' before");
            inSection_ = true;
            sectionName_ = w[1];
            sections_[sectionName_] = Section{};
            if (w.size() == 4)
                sections_[sectionName_].like = w[3];
        } else if (keyword == "form" && w.size() >= 2) {
            readForm(w);
        } else {
            throw std::runtime_error("cannot read '" + line + "'");
        }
    }

    void readTrack(const std::vector<std::string>& w)
    {
        if (!sections_.empty())
            throw std::runtime_error("tracks must come before the sections");
        for (const auto& track : song_.tracks)
            if (track.name == w[1])
                throw std::runtime_error("track '" + w[1] + "' defined twice");
        Track track;
        TrackStyle style;
        track.name = w[1];
        if (w.size() % 2 != 0)
            throw std::runtime_error("track settings come in pairs: name value");
        for (size_t i = 2; i + 1 < w.size(); i += 2) {
            const std::string& key = w[i];
            const std::string& value = w[i + 1];
            if (key == "program")
                track.program = toInt(value, 0, 127);
            else if (key == "channel")
                track.channel = toInt(value, 1, 16);
            else if (key == "volume")
                track.volume = toInt(value, 0, 127);
            else if (key == "pan")
                track.pan = toInt(value, 0, 127);
            else if (key == "reverb")
                track.reverb = toInt(value, 0, 127);
            else if (key == "chorus")
                track.chorus = toInt(value, 0, 127);
            else if (key == "velocity")
                style.velocity = dynamic(value);
            else if (key == "gate")
                style.gate = toInt(value, 10, 100);
            else
                throw std::runtime_error("unknown track setting '" + key + "'");
        }
        // The song's level moves every instrument's volume alike (the synth's volume curve is
        // 40 log10 of the setting), so the balance inside the song stays as written.
        const long volume = std::lround(track.volume * std::pow(10.0, levelDb_ / 40.0));
        if (volume > 127)
            throw std::runtime_error("level " + std::to_string(levelDb_) + " dB lifts the volume of '" + track.name
                                     + "' to " + std::to_string(volume) + ", above 127: write it louder instead");
        track.volume = static_cast<int>(volume);
        song_.tracks.push_back(std::move(track));
        styles_.push_back(style);
    }

    size_t trackIndex(const std::string& name) const
    {
        for (size_t i = 0; i < song_.tracks.size(); ++i)
            if (song_.tracks[i].name == name)
                return i;
        throw std::runtime_error("no track named '" + name + "'");
    }

    void readNotes(size_t track, const std::string& text)
    {
        auto [it, fresh] = sections_[sectionName_].voices.try_emplace(track);
        Voice& voice = it->second;
        if (fresh)
            voice.velocity = styles_[track].velocity;
        for (const std::string& token : noteTokens(text))
            readToken(token, voice, styles_[track]);
    }

    void readToken(const std::string& token, Voice& voice, const TrackStyle& style)
    {
        if (token == "|") {
            if (voice.cursor % barTicks() != 0)
                throw std::runtime_error("bar line " + std::to_string(voice.cursor % barTicks()) + " ticks into a bar ("
                                         + std::to_string(barTicks()) + " per bar)");
            return;
        }
        if (token == "!<" || token == "!>") {
            voice.hairpin = Voice::Hairpin{voice.notes.size(), voice.cursor, voice.velocity};
            return;
        }
        if (token[0] == '!') {
            voice.velocity = dynamic(token.substr(1));
            if (voice.hairpin)
                shapeHairpin(voice);
            return;
        }
        std::vector<int> keys;
        std::string_view suffixText;
        std::string_view view(token);
        if (token[0] == '[') {
            size_t close = token.find(']');
            for (const std::string& name : words(token.substr(1, close - 1)))
                keys.push_back(keyOf(name));
            if (keys.empty())
                throw std::runtime_error("empty chord");
            suffixText = view.substr(close + 1);
        } else {
            size_t end = token.find_first_of("/'>");
            if (end == std::string::npos)
                end = token.size();
            std::string_view head = view.substr(0, end);
            suffixText = view.substr(end);
            if (head == "r" || head == "~") {
                Suffix suffix = readSuffix(suffixText, voice);
                if (head == "~") {
                    if (voice.lastStarted.empty())
                        throw std::runtime_error("'~' must follow a note or chord");
                    for (size_t i : voice.lastStarted)
                        voice.notes[i].length += suffix.ticks;
                } else {
                    voice.lastStarted.clear();
                }
                voice.cursor += suffix.ticks;
                return;
            }
            keys.push_back(keyOf(head));
        }
        Suffix suffix = readSuffix(suffixText, voice);
        int velocity = std::min(127, voice.velocity + (suffix.accent ? 16 : 0));
        voice.lastStarted.clear();
        for (int key : keys) {
            voice.lastStarted.push_back(voice.notes.size());
            voice.notes.push_back(Note{voice.cursor, suffix.ticks, key, velocity});
            voice.gates.push_back(suffix.staccato ? 50 : style.gate);
        }
        voice.cursor += suffix.ticks;
    }

    // The notes since the hairpin move evenly from its starting loudness to the one just reached.
    static void shapeHairpin(Voice& voice)
    {
        const Voice::Hairpin& pin = *voice.hairpin;
        const int64_t span = std::max<int64_t>(1, voice.cursor - pin.startTick);
        for (size_t i = pin.firstNote; i < voice.notes.size(); ++i) {
            Note& note = voice.notes[i];
            note.velocity +=
                static_cast<int>((voice.velocity - pin.startVelocity) * (note.start - pin.startTick) / span);
            note.velocity = std::clamp(note.velocity, 1, 127);
        }
        voice.hairpin.reset();
    }

    void endSection()
    {
        Section& section = sections_[sectionName_];
        if (!section.like.empty())
            for (const auto& [track, voice] : sections_[section.like].voices)
                section.voices.try_emplace(track, voice);
        for (const auto& [track, voice] : section.voices)
            section.length = std::max(section.length, voice.cursor);
        if (section.length == 0 || section.length % barTicks() != 0)
            throw std::runtime_error("section '" + sectionName_ + "' must last whole bars");
        for (auto& [track, voice] : section.voices) {
            if (voice.hairpin)
                throw std::runtime_error("a hairpin in track '" + song_.tracks[track].name
                                         + "' never reaches a loudness mark");
            if (voice.cursor != section.length)
                throw std::runtime_error("track '" + song_.tracks[track].name + "' is "
                                         + std::to_string(section.length - voice.cursor) + " ticks short in section '"
                                         + sectionName_ + "'");
            for (size_t i = 0; i < voice.notes.size(); ++i)
                voice.notes[i].length = std::max<int64_t>(30, voice.notes[i].length * voice.gates[i] / 100);
            voice.gates.assign(voice.gates.size(), 100);  // applied once, also for a section played like this one
        }
        inSection_ = false;
    }

    void readForm(const std::vector<std::string>& w)
    {
        sawForm_ = true;  // a long form may go on over more 'form' lines
        for (size_t i = 1; i < w.size(); ++i) {
            std::string name = w[i];
            int count = 1;
            int transpose = 0;
            if (size_t star = name.find('*'); star != std::string::npos) {
                count = toInt(name.substr(star + 1), 1, 64);
                name = name.substr(0, star);
            }
            if (size_t shift = name.find_first_of("+-"); shift != std::string::npos) {
                transpose = toInt(name.substr(shift + 1), 1, 12) * (name[shift] == '-' ? -1 : 1);
                name = name.substr(0, shift);
            }
            auto it = sections_.find(name);
            if (it == sections_.end())
                throw std::runtime_error("no section named '" + name + "'");
            for (int n = 0; n < count; ++n)
                append(it->second, transpose);
        }
    }

    // Drums keep their instruments when a section is played in another key.
    void append(const Section& section, int transpose)
    {
        for (const auto& [track, voice] : section.voices)
            for (Note note : voice.notes) {
                note.start += song_.lengthTicks;
                if (song_.tracks[track].channel != 10)
                    note.key = std::clamp(note.key + transpose, 0, 127);
                song_.tracks[track].notes.push_back(note);
            }
        song_.lengthTicks += section.length;
    }

    std::string fileName_;
    int lineNumber_ = 0;
    Song song_;
    std::vector<TrackStyle> styles_;
    int levelDb_ = 0;
    std::map<std::string, Section> sections_;
    std::string sectionName_;
    bool inSection_ = false;
    bool sawForm_ = false;
};

}  // namespace

Song parseScore(std::string_view text, const std::string& fileName) { return Reader(fileName).read(text); }

}  // namespace velmusic
