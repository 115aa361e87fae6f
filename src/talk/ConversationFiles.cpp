#include "talk/ConversationFiles.h"

#include "core/NumericText.h"
#include "core/Utf8.h"
#include "platform/AtomicFile.h"
#include "platform/Cp932.h"
#include "platform/DataFiles.h"
#include "talk/FieldReader.h"

#include <algorithm>
#include <optional>

namespace Velmoor2 {
namespace {

constexpr const char* CodeFile = "VelKCode.dat";
constexpr const char* CaptionFile = "VelKaiwa.dat";
constexpr const char* ResponseFile = "VelResp.dat";

// Our own files are checked by the build, so a hole in them is damage on the player's disk.
Problem Damaged(const std::string& what)
{
    return {"会話データが壊れているため、ゲームを続けられません。" + CrLf + what, what};
}

// A file that is there but cannot be read: the log says which step failed and why.
Problem Unreadable(const std::string& name, const Problem& problem)
{
    return {"会話データ " + name + " が読めないため、ゲームを続けられません。", problem.detail};
}

Outcome<std::string> ReadWhole(const char* name)
{
    const Outcome<std::optional<std::string>> file =
        Platform::ReadWholeFile(Platform::FindDataFile(name).value_or(name));
    if (!file)
        return Unreadable(name, file.Failure());
    if (!file.Get())
        return Damaged(std::string(name) + " が見つかりません。");
    auto text = Platform::Cp932ToUtf8(*file.Get());
    if (!text)
        return Damaged(std::string(name) + " の文字が読めません。");
    return *text;
}

Integer CodeOf(const std::string& field) { return NumericValue(FromCharacters(ToCharacters(field).substr(0, 3))); }

// Moves the reader just past the field that is exactly the id.
bool SkipToId(FieldReader& reader, const std::string& id)
{
    while (auto field = reader.Next())
        if (*field == id)
            return true;
    return false;
}

}  // namespace

Outcome<std::array<Integer, 10>> ReplyCodesOf(const std::string& id)
{
    auto text = ReadWhole(CodeFile);
    if (!text)
        return text.Failure();
    FieldReader reader(text.Get());
    if (!SkipToId(reader, id))
        return Damaged(std::string(CodeFile) + " に 会話 " + id + " がありません。");
    std::array<Integer, 10> codes{};
    for (Integer& code : codes) {
        auto field = reader.Next();
        if (!field)
            return Damaged(std::string(CodeFile) + " の 会話 " + id + " の返事が十個そろっていません。");
        code = NumericValue(*field);
    }
    return codes;
}

Outcome<std::string> ReplyCaption(Integer code)
{
    auto text = ReadWhole(CaptionFile);
    if (!text)
        return text.Failure();
    FieldReader reader(text.Get());
    while (auto field = reader.Next())
        if (CodeOf(*field) == code) {
            // A field no longer than its code has an empty caption.
            const std::u32string characters = ToCharacters(*field);
            return FromCharacters(characters.substr(std::min<size_t>(3, characters.size())));
        }
    return Damaged(std::string(CaptionFile) + " に 返事 " + std::to_string(code) + " がありません。");
}

Outcome<Response> ResponseTo(const std::string& id, Integer code)
{
    auto text = ReadWhole(ResponseFile);
    if (!text)
        return text.Failure();
    FieldReader reader(text.Get());
    if (!SkipToId(reader, id))
        return Damaged(std::string(ResponseFile) + " に 会話 " + id + " がありません。");
    // The id field itself is the first candidate, as the search starts on it.
    std::optional<std::string> field = id;
    while (field && CodeOf(*field) != code)
        field = reader.Next();
    const std::string what = "会話 " + id + " の返事 " + std::to_string(code);
    if (!field)
        return Damaged(std::string(ResponseFile) + " に " + what + " がありません。");
    const std::u32string characters = ToCharacters(*field);
    if (characters.size() < 5)
        return Damaged(std::string(ResponseFile) + " の " + what + " が短すぎます。");
    return Response{FromCharacters(characters.substr(3, characters.size() - 5)),
                    NumericValue(FromCharacters(characters.substr(characters.size() - 2)))};
}

std::string ReplaceNamePlaceholder(std::string text, const std::string& myouji)
{
    const std::string placeholder = "ＸＸＸ";
    const size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), myouji);
    return text;
}

}  // namespace Velmoor2
