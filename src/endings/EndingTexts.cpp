#include "endings/EndingTexts.h"

#include "core/GameState.h"

#include <string_view>

namespace Velmoor2 {
namespace {

constexpr const char* GateFile = "story/endings/gate.txt";
constexpr const char* EpiloguesFile = "story/endings/epilogues.txt";
constexpr const char* StaffRollFile = "story/endings/staffroll.txt";

constexpr const char* ConfessionFile = "story/endings/heroine{n}.txt";
constexpr StoryKey Gate{GateFile, "gate"};
constexpr StoryKey ConfessionOpeningOfClassmate{ConfessionFile, "heroine{n} opening"};
// Heroines 7 and 8 have no branch: their whole scene is one section.
constexpr StoryKey WholeConfession{ConfessionFile, "heroine{n} confession"};
constexpr StoryKey MutualLoveBranch{ConfessionFile, "heroine{n} mutual"};
constexpr StoryKey EpilogueOpeningKey{EpiloguesFile, "epilogue opening"};
constexpr StoryKey Epilogue{EpiloguesFile, "epilogue heroine{n}"};
constexpr StoryKey StaffRollPage{StaffRollFile, "tick {n}"};

std::string FirstText(const std::vector<SceneLine>& lines, size_t index)
{
    return index < lines.size() ? lines[index].text : "";
}

}  // namespace

std::string GateNarration(int line) { return FirstText(ScriptSection(Gate), static_cast<size_t>(line - 1)); }

const std::vector<SceneLine>& ConfessionOpening(int girl)
{
    return ScriptSection(girl >= 7 ? WholeConfession : ConfessionOpeningOfClassmate, girl);
}

const std::vector<SceneLine>& ConfessionBranch(int girl, bool mutualLove)
{
    return ScriptSection(mutualLove ? MutualLoveBranch : WholeConfession, girl);
}

std::string EpilogueOpening() { return FirstText(ScriptSection(EpilogueOpeningKey), 0); }

const std::vector<SceneLine>& EpilogueLines(int girl) { return ScriptSection(Epilogue, girl); }

std::optional<StaffPage> StaffPageAtTick(int tick, int endingGirl)
{
    if (!HasSection(StaffRollPage, tick))
        return std::nullopt;
    // The first row gives the page's picture and role title; every row gives one line of names.
    const std::vector<SceneLine>& rows = ScriptSection(StaffRollPage, tick);
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
