#include "endings/EndingTexts.h"

#include "game/GameState.h"

#include <array>
#include <map>

namespace Velmoor2 {
namespace {

constexpr const char* GateFile = "story/endings/gate.txt";
constexpr const char* EpiloguesFile = "story/endings/epilogues.txt";
constexpr const char* StaffRollFile = "story/endings/staffroll.txt";

std::string Heroine(int girl)
{
    return "heroine" + std::to_string(girl);
}

std::string ConfessionFile(int girl)
{
    return "story/endings/" + Heroine(girl) + ".txt";
}

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

std::string EpilogueOpening()
{
    return FirstText(ScriptSection(EpiloguesFile, "epilogue opening"), 0);
}

const std::vector<SceneLine>& EpilogueLines(int girl)
{
    return ScriptSection(EpiloguesFile, "epilogue " + Heroine(girl));
}

const StaffPage* StaffPageAtTick(int tick)
{
    // The role titles and pictures of the roll are fixed; the credited names are content.
    static const std::map<int, StaffPage> pages = [] {
        struct Fixed { int tick; const char* title; const char* picture; };
        constexpr std::array<Fixed, 9> fixed{{
            {1, "ＣＧ（人物）", "C210C"},
            {3, "ＣＧ（背景）", "C250C"},
            {5, "ＢＧＭ", "C230C"},
            {7, "プログラミング", "C240C"},
            {9, "美術室資料協力", "C220D"},
            {11, "想い出の提供", "C260C"},
            {13, "スーパーバイザ", "C270C"},
            {15, "企画", "C200B"},
            {18, "製作", "C280D"},
        }};
        std::map<int, StaffPage> all;
        for (const Fixed& page : fixed) {
            std::string names;
            if (page.tick == 15)
                names = "Ｃｏｒｖａｎｅ－internet－";
            else if (page.tick == 18)
                names = "Ｃｏｒｖａｎｅ";
            else
                for (const SceneLine& line : ScriptSection(StaffRollFile, "tick " + std::to_string(page.tick)))
                    names += (names.empty() ? "" : CrLf) + line.text;
            all.emplace(page.tick, StaffPage{page.title, names, page.picture});
        }
        return all;
    }();
    auto found = pages.find(tick);
    return found == pages.end() ? nullptr : &found->second;
}

}  // namespace Velmoor2
