// The three conversation lookups over any data files: each answers or reports which file falls
// short. The input holds the three files VelKCode.dat, VelKaiwa.dat and VelResp.dat in that
// order, parted by a NUL byte; the conversation looked up is the first field of the first file.
#include "FuzzCheck.h"
#include "ScratchFolder.h"
#include "core/Utf8.h"
#include "platform/Cp932.h"
#include "talk/ConversationFiles.h"
#include "talk/FieldReader.h"

#include <array>
#include <cstdint>
#include <vector>

using namespace Velmoor2;

namespace {

bool IsUtf8(const std::string& text) { return FromCharacters(ToCharacters(text)) == text; }

bool Names(const Problem& problem, const char* file) { return problem.detail.starts_with(file); }

std::vector<std::string_view> SplitFiles(std::string_view input)
{
    std::vector<std::string_view> files;
    for (int i = 0; i < 2; ++i) {
        const size_t nul = input.find('\0');
        files.push_back(input.substr(0, nul));
        input.remove_prefix(nul == std::string_view::npos ? input.size() : nul + 1);
    }
    files.push_back(input);
    return files;
}

}  // namespace

// The lookups read the files of the current directory, as the game does; the fuzzer's own
// folders are named relative to the one it started in.
class InScratchFolder {
public:
    InScratchFolder()
        : home_(std::filesystem::current_path())
    {
        std::filesystem::current_path(ScratchFolder());
    }
    ~InScratchFolder() { std::filesystem::current_path(home_); }

private:
    std::filesystem::path home_;
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string_view> files = SplitFiles(std::string_view(reinterpret_cast<const char*>(data), size));
    WriteScratchFile(ScratchFolder() / "VelKCode.dat", files[0]);
    WriteScratchFile(ScratchFolder() / "VelKaiwa.dat", files[1]);
    WriteScratchFile(ScratchFolder() / "VelResp.dat", files[2]);
    const InScratchFolder lookingUp;

    std::string id = "31A";
    bool tenCodesFollow = false;
    if (const std::optional<std::string> codeText = Platform::Cp932ToUtf8(files[0])) {
        FieldReader reader(*codeText);
        if (std::optional<std::string> first = reader.Next()) {
            id = *first;
            int following = 0;
            while (following < 10 && reader.Next())
                ++following;
            tenCodesFollow = following == 10;
        }
    }

    std::vector<Integer> codes = {101};
    const auto replies = ReplyCodesOf(id);
    if (!replies) {
        Require(Names(replies.Failure(), "VelKCode.dat"), "a failed reply list names its file");
        Require(!tenCodesFollow, "a conversation with ten codes after it has its reply list");
    } else {
        codes.assign(replies.Get().begin(), replies.Get().end());
    }

    for (const Integer code : codes) {
        const auto caption = ReplyCaption(code);
        if (!caption)
            Require(Names(caption.Failure(), "VelKaiwa.dat"), "a failed caption names its file");
        else
            Require(IsUtf8(caption.Get()), "a caption is whole characters");
        const auto response = ResponseTo(id, code);
        if (!response) {
            Require(Names(response.Failure(), "VelResp.dat"), "a failed response names its file");
            continue;
        }
        const Response& answer = response.Get();
        Require(IsUtf8(answer.text), "a response is whole characters");
        Require(answer.change >= -9 && answer.change <= 99, "a change is read from two characters");
    }
    return 0;
}
