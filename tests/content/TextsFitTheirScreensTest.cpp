// Every text the story and the data files put on a screen fits where it is drawn: the scene
// text under the picture, the reply buttons, the album's caption and the message boxes, with
// names of a usual length spliced in. A text cut off at its last line is lost to the player.
#include "core/GameState.h"
#include "core/StoryFiles.h"
#include "core/StoryScript.h"
#include "extras/VelAlbum.h"
#include "game/VelMain.h"
#include "persist/SaveFile.h"
#include "platform/Application.h"
#include "platform/AtomicFile.h"
#include "platform/MessageBox.h"
#include "support/CurrentFolder.h"
#include "support/ScratchFolder.h"
#include "talk/ConversationFiles.h"
#include "talk/VelSerif.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace Velmoor2;

namespace {

std::vector<std::string> Fields(std::string_view line)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in{std::string(line)};
    while (std::getline(in, field, '\t'))
        fields.push_back(field);
    return fields;
}

// Hands on the last field, names spliced in, of every story line that has `fieldCount`
// tab-separated fields, in the story files `wanted` accepts.
template <typename Wanted, typename Use>
void ForEachStoryText(size_t fieldCount, Wanted wanted, Use use)
{
    for (const StoryFile& file : StoryFiles()) {
        if (!wanted(file.name))
            continue;
        for (std::string_view line : TextLines(file.text)) {
            const std::vector<std::string> fields = Fields(line);
            if (!line.starts_with('#') && fields.size() == fieldCount)
                use(SpliceNames(fields.back()));
        }
    }
}

// The conversation ids, the first field of each line of the reply-code file.
std::vector<std::string> ConversationIds()
{
    std::vector<std::string> ids;
    std::istringstream codes(Platform::ReadWholeFile("VelKCode.dat").Get().value_or(""));
    for (std::string line; std::getline(codes, line);)
        if (const size_t comma = line.find(','); comma != std::string::npos)
            ids.push_back(line.substr(0, comma));
    return ids;
}

// At the design's own size and at window scale 2, where every font is drawn twice as large.
class TextsFit : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        Platform::SetWindowScale(GetParam());
        PlayerMyouji = "長谷川";
        PlayerNamae = "健一郎";
    }
    void TearDown() override
    {
        TheMainScreen.Unload();
        TheReplyDialog.Unload();
        TheClassAlbum.Unload();
        Platform::SetWindowScale(1);
    }
    CurrentFolder inGame{VEL_GAME_DIR};
};

}  // namespace

// The click prompt sits in the text's bottom-right corner: a last line that runs into it
// is written over.
bool ClearOfThePrompt(const VelMain& main)
{
    const Platform::Label::LineBox last = main.Label1.LastLineBox();
    const int promptLeft = Platform::ToPixels(main.Label3.Left() - main.Label1.Left());
    const int promptTop = Platform::ToPixels(main.Label3.Top() - main.Label1.Top());
    return last.bottom <= promptTop || last.right <= promptLeft;
}

TEST_P(TextsFit, EverySceneTextFitsUnderThePicture)
{
    VelMain& main = TheMainScreen.Get();
    Platform::Label& text = main.Label1;
    int checked = 0;
    // Scene lines: picture code, speaker, text. The staff roll has its own labels.
    ForEachStoryText(
        3, [](std::string_view file) { return file.find("staffroll") == std::string_view::npos; },
        [&](const std::string& said) {
            text.SetCaption(said);
            EXPECT_TRUE(text.ShowsWholeCaption()) << said;
            EXPECT_TRUE(ClearOfThePrompt(main)) << said;
            ++checked;
        });
    for (const std::string& id : ConversationIds()) {
        const auto codes = ReplyCodesOf(id);
        ASSERT_TRUE(codes.Ok()) << id;
        for (Integer code : codes.Get()) {
            const auto response = ResponseTo(id, code);
            ASSERT_TRUE(response.Ok()) << id << " " << code;
            text.SetCaption(ReplaceNamePlaceholder(response.Get().text, PlayerMyouji));
            EXPECT_TRUE(text.ShowsWholeCaption()) << id << " " << code << ": " << text.Caption();
            EXPECT_TRUE(ClearOfThePrompt(main)) << id << " " << code << ": " << text.Caption();
            ++checked;
        }
    }
    EXPECT_GT(checked, 500);
    std::string fourLines;
    for (int line = 0; line < 4; ++line)
        fourLines += "三年間" + CrLf;
    text.SetCaption(fourLines);
    EXPECT_FALSE(text.ShowsWholeCaption());
    std::string threeFullLines;
    for (int character = 0; character < 3 * 26; ++character)
        threeFullLines += "卒";
    text.SetCaption(threeFullLines);
    EXPECT_TRUE(text.ShowsWholeCaption());
    EXPECT_FALSE(ClearOfThePrompt(main));
}

TEST_P(TextsFit, EveryReplyFitsOnItsButtonAndEveryAlbumThoughtItsLine)
{
    Platform::CommandButton& button = *TheReplyDialog.Get().Command1[0];
    for (const std::string& id : ConversationIds()) {
        const auto codes = ReplyCodesOf(id);
        for (Integer code : codes.Get()) {
            const auto caption = ReplyCaption(code);
            ASSERT_TRUE(caption.Ok()) << code;
            button.SetCaption(ReplaceNamePlaceholder(caption.Get(), PlayerMyouji));
            EXPECT_TRUE(button.ShowsWholeCaption()) << code << ": " << button.Caption();
        }
    }
    Platform::Label& thoughtLine = TheClassAlbum.Get().Label1;
    ForEachStoryText(
        2, [](std::string_view file) { return file == "story/front/album.txt"; },
        [&](const std::string& thought) {
            thoughtLine.SetCaption(thought);
            EXPECT_TRUE(thoughtLine.ShowsWholeCaption()) << "album: " << thought;
        });
}

TEST_P(TextsFit, EveryMessageBoxShowsAllOfItsText)
{
    // The longest the player meets: a save cut short at 16 lines, refused with the promise that
    // it was kept, and the design's own boxes.
    std::string cutShort;
    {
        ScratchFolder scratch;
        std::string lines;
        for (int line = 0; line < 16; ++line)
            lines += "1" + CrLf;
        scratch.Write(SaveFileName, lines);
        const auto refused = ReadSaveFile();
        ASSERT_FALSE(refused.Ok());
        cutShort = refused.Failure().message;
    }
    const std::vector<std::pair<std::string, int>> boxes = {
        {cutShort, Platform::MbOkExclamation},
        {"Velmoor を終了します。" + CrLf + "次回、続きを遊ぶために、データをセーブしますか？" + CrLf
             + "（セーブしないと次回、続きができません）",
         Platform::MbYesNoCancelExclamation},
        {"全てのデータをクリアします（一人もクリアしていない状態に戻します）！よろしいですか？",
         Platform::MbYesNoInformationDefaultNo},
        {"ここではゲームの中断はできません", Platform::MbOkExclamation},
    };
    for (const auto& [text, flags] : boxes) {
        EXPECT_TRUE(Platform::MessageBoxShowsWholeText(text, flags, "Velmoor Episode2")) << text;
        EXPECT_TRUE(Platform::MessageBoxShowsSignAtScale(flags)) << "a sign drawn for another size";
    }
}

INSTANTIATE_TEST_SUITE_P(AtScale, TextsFit, testing::Values(1, 2));
