#include "endings/EndingTexts.h"

#include "core/GameState.h"

#include <string_view>

namespace Velmoor2 {
namespace {

constexpr const char* GateFile = "story/endings/gate.txt";
constexpr const char* EpiloguesFile = "story/endings/epilogues.txt";
constexpr const char* StaffRollFile = "story/endings/staffroll.txt";

std::string Heroine(int girl) { return "heroine" + std::to_string(girl); }

std::string ConfessionFile(int girl) { return "story/endings/" + Heroine(girl) + ".txt"; }

std::string FirstText(const std::vector<SceneLine>& lines, size_t index)
{
    return index < lines.size() ? lines[index].text : "";
}

}  // namespace

std::string GateNarration(int line)
{
    return FirstText(ScriptSection(GateFile, "gate"), static_cast<size_t>(line - 1));
}

const std::vector<SceneLine>& ConfessionOpening(int girl)
{
    // Heroines 7 and 8 have no branch: their whole scene is one section.
    const char* part = girl >= 7 ? " confession" : " opening";
    return ScriptSection(ConfessionFile(girl), Heroine(girl) + part);
}

const std::vector<SceneLine>& ConfessionBranch(int girl, bool mutualLove)
{
    return ScriptSection(ConfessionFile(girl), Heroine(girl) + (mutualLove ? " mutual" : " confession"));
}

std::string EpilogueOpening() { return FirstText(ScriptSection(EpiloguesFile, "epilogue opening"), 0); }

const std::vector<SceneLine>& EpilogueLines(int girl)
{
    return ScriptSection(EpiloguesFile, "epilogue " + Heroine(girl));
}

std::optional<StaffPage> StaffPageAtTick(int tick, int endingGirl)
{
    const std::string section = "tick " + std::to_string(tick);
    if (!HasSection(StaffRollFile, section))
        return std::nullopt;
    // The first row gives the page's picture and role title; every row gives one line of names.
    const std::vector<SceneLine>& rows = ScriptSection(StaffRollFile, section);
    StaffPage page;
    for (const SceneLine& row : rows)
        page.names += (page.names.empty() ? "" : CrLf) + row.text;
    if (!rows.empty()) {
        page.title = rows.front().speaker;
        page.pictureCode = rows.front().code;
    }
    constexpr std::string_view HeroineMarker = "{HEROINE}";
    if (const size_t at = page.pictureCode.find(HeroineMarker); at != std::string::npos)
        page.pictureCode.replace(at, HeroineMarker.size(), 1, "0123456789ABCDEF"[endingGirl & 0xF]);
    return page;
}

}  // namespace Velmoor2
