// The story-script reader over any text: what it reads has the shape it promises, and written
// back as a script it reads the same. The first two lines name the player for the name markers.
#include "FuzzCheck.h"
#include "core/GameState.h"
#include "core/StoryScript.h"

#include <cstdint>
#include <string>

using namespace Velmoor2;

namespace {

std::string WriteScript(const ScriptSections& sections)
{
    // CR LF ends, so that a text ending in a carriage return keeps it.
    std::string script;
    for (const auto& [name, section] : sections) {
        script += "== " + name + " ==\r\n";
        for (const SceneLine& line : section.scenes)
            script += line.code + '\t' + line.speaker + '\t' + line.text + "\r\n";
        for (const auto& [key, text] : section.keyed)
            script += key + '\t' + text + "\r\n";
    }
    return script;
}

bool SameSections(const ScriptSections& a, const ScriptSections& b)
{
    if (a.size() != b.size())
        return false;
    for (auto x = a.begin(), y = b.begin(); x != a.end(); ++x, ++y) {
        if (x->first != y->first || x->second.keyed != y->second.keyed
            || x->second.scenes.size() != y->second.scenes.size())
            return false;
        for (size_t i = 0; i < x->second.scenes.size(); ++i) {
            const SceneLine& p = x->second.scenes[i];
            const SceneLine& q = y->second.scenes[i];
            if (p.code != q.code || p.speaker != q.speaker || p.text != q.text)
                return false;
        }
    }
    return true;
}

bool HasBrace(const std::string& text) { return text.find_first_of("{}") != std::string::npos; }

void CheckNames(std::string_view input)
{
    const std::vector<std::string_view> lines = TextLines(input);
    if (lines.size() < 3)
        return;
    PlayerMyouji = std::string(lines[0]);
    PlayerNamae = std::string(lines[1]);
    const std::string spliced = SpliceNames(input.substr(lines[2].data() - input.data()));
    if (PlayerMyouji.empty() || PlayerNamae.empty() || HasBrace(PlayerMyouji) || HasBrace(PlayerNamae))
        return;
    Require(spliced.find("{MYOUJI}") == std::string::npos, "every family name marker is filled");
    Require(spliced.find("{NAMAE}") == std::string::npos, "every given name marker is filled");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const ScriptSections sections = ParseStoryScript(text);
    for (const auto& [name, section] : sections) {
        Require(!name.empty() && name.find('\n') == std::string::npos, "a section has a one-line name");
        for (const SceneLine& line : section.scenes)
            Require((line.code + line.speaker + line.text).find_first_of("\t\n") == std::string::npos,
                    "a scene line's fields hold no tab or line feed");
        for (const auto& [key, value] : section.keyed)
            Require((key + value).find_first_of("\t\n") == std::string::npos, "a keyed line holds no tab or line feed");
    }
    Require(SameSections(ParseStoryScript(WriteScript(sections)), sections), "a written script reads the same");
    CheckNames(text);
    return 0;
}
