#include "persist/SaveFileFormat.h"

#include "core/NumericText.h"
#include "platform/Cp932.h"

#include <vector>

namespace Velmoor2 {
namespace {

constexpr int LineCount = 17;
constexpr int LetterOfZero = 72;  // "H"
// A phone call can keep the clock running past 5:00 PM before the player quits, but no afternoon
// lasts a day: a later clock is a damaged file (and would run out of numbers on its next tick).
constexpr int LastSavedMinute = 24 * 60;

bool HasLetter(int value)
{
    const int code = LetterOfZero + value;
    return (code >= 33 && code <= 126 && code != '"' && code != ',') || (code >= 161 && code <= 223);
}

// Any single byte a letter could be written as, the double quote and the comma included.
bool IsLetterByte(unsigned char code) { return (code >= 33 && code <= 126) || (code >= 161 && code <= 223); }

std::string IntegerLine(int value) { return (value >= 0 ? " " : "") + std::to_string(value) + " "; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class LineReader {
public:
    explicit LineReader(std::string_view bytes)
    {
        // Only lines ended by a line feed count; a last line cut off before it is missing.
        for (size_t end; (end = bytes.find('\n')) != std::string_view::npos && lines_.size() < LineCount;) {
            std::string_view line = bytes.substr(0, end);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            lines_.push_back(line);
            bytes.remove_prefix(end + 1);
        }
    }

    bool complete() const { return lines_.size() == LineCount; }
    size_t count() const { return lines_.size(); }
    std::string_view line(int number) const { return lines_[static_cast<size_t>(number - 1)]; }

private:
    std::vector<std::string_view> lines_;
};

struct Parser {
    const LineReader& lines;
    ParsedSaveFile& result;

    bool Fail(int line, const std::string& why)
    {
        result.defect = SaveFileDefect::Damaged;
        result.detail = "line " + std::to_string(line) + ": " + why;
        return false;
    }

    bool TextField(int line, std::string& into)
    {
        if (lines.line(line).find('\r') != std::string_view::npos)
            return Fail(line, "a line break inside a name");
        std::optional<std::string> text = Platform::Cp932ToUtf8(lines.line(line));
        if (!text)
            return Fail(line, "not code page 932 text");
        into = std::move(*text);
        return true;
    }

    bool IntegerField(int line, Integer& into, int low, int high)
    {
        const NumberReading number = ReadNumber(lines.line(line));
        if (!number.fits)
            return Fail(line, "number out of range");
        if (number.value < low || number.value > high)
            return Fail(line, "value out of range");
        into = number.value;
        return true;
    }

    bool AffectionField(int line, Integer& into)
    {
        std::string_view text = lines.line(line);
        while (!text.empty() && IsBlank(text.back()))
            text.remove_suffix(1);
        if (text.size() == 1 && IsLetterByte(static_cast<unsigned char>(text[0]))) {
            into = static_cast<Integer>(static_cast<unsigned char>(text[0]) - LetterOfZero);
            return true;
        }
        const NumberReading number = ReadNumber(text);
        if (!number.found || number.end != text.size())
            return Fail(line, "no affection letter or number");
        if (!number.fits)
            return Fail(line, "number out of range");
        into = number.value;
        return true;
    }
};

}  // namespace

std::optional<std::string> EncodeSaveFile(const SavedGame& game)
{
    std::string bytes;
    for (const std::string* name : {&game.myouji, &game.namae}) {
        if (name->find_first_of("\r\n") != std::string::npos)
            return std::nullopt;
        const std::optional<std::string> line = Platform::Utf8ToCp932(*name);
        if (!line)
            return std::nullopt;
        bytes += *line + "\r\n";
    }
    bytes += IntegerLine(game.gameMinute) + "\r\n";
    for (int h : Classmates) {
        const int love = game.love[h];
        bytes += HasLetter(love) ? std::string(1, static_cast<char>(LetterOfZero + love)) : IntegerLine(love);
        bytes += "\r\n";
    }
    for (int h : Classmates)
        bytes += IntegerLine(game.metFlag[h]) + "\r\n";
    bytes += IntegerLine(game.targetGirl) + "\r\n";
    bytes += IntegerLine(game.currentPlace) + "\r\n";
    return bytes;
}

ParsedSaveFile ParseSaveFile(std::string_view bytes)
{
    ParsedSaveFile result;
    const LineReader lines(bytes);
    if (!lines.complete()) {
        result.defect = SaveFileDefect::Short;
        result.detail = std::to_string(lines.count()) + " of " + std::to_string(LineCount) + " lines";
        return result;
    }
    Parser parse{lines, result};
    SavedGame game;
    bool ok = parse.TextField(1, game.myouji) && parse.TextField(2, game.namae)
        && parse.IntegerField(3, game.gameMinute, 0, LastSavedMinute);
    for (int h = FirstClassmate; ok && h <= LastClassmate; ++h)
        ok = parse.AffectionField(3 + h, game.love[h]);
    for (int h = FirstClassmate; ok && h <= LastClassmate; ++h)
        ok = parse.IntegerField(9 + h, game.metFlag[h], 0, 1);
    ok = ok && parse.IntegerField(16, game.targetGirl, FirstClassmate, LastClassmate)
        && parse.IntegerField(17, game.currentPlace, 1, 7);
    if (ok)
        result.game = std::move(game);
    return result;
}

}  // namespace Velmoor2
