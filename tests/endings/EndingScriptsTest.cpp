// The shape every ending script must keep, line by line: who speaks (N narration or the
// player, H the heroine), the picture on the first line only, and where the player's names go
// (F family name, G given name; "s" when the name opens the line).
#include "core/HeroineNames.h"
#include "endings/EndingTexts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

using namespace Velmoor2;

namespace {

std::string ShapeOf(const std::vector<SceneLine>& lines, int girl)
{
    std::string shape;
    for (const SceneLine& line : lines) {
        if (!shape.empty())
            shape += ' ';
        if (line.speaker.empty())
            shape += 'N';
        else
            shape += line.speaker == HeroineName(girl) ? "H" : "?";
        for (auto [mark, letter] : {std::pair{"{MYOUJI}", 'F'}, std::pair{"{NAMAE}", 'G'}})
            for (size_t at = line.text.find(mark); at != std::string::npos; at = line.text.find(mark, at + 1))
                shape += at == 0 ? std::string{letter, 's'} : std::string{letter};
    }
    return shape;
}

struct Expected {
    const char* opening;
    const char* confession;
    const char* mutual;
};

const Expected Scripts[9] = {
    {},
    {"N H N HF N H", "N H N H N H", "N H N H"},
    {"N H N HF N H", "N H N H N H N H N H", "N H N H N H N H N H N HF"},
    {"N H N H N H", "N H N H N H", "N H N H N H N H"},
    {"N HFs N HF N H", "N H N H N H", "N H N H N H N H N H"},
    {"N HFsF N HF N H N HF N H", "N H N H N H", "N H N HF N H"},
    {"N HFs N H N H", "N H N H N H", "N H N H N H N H"},
    {"N HFs N H N H N H N H N HFs N HFs N H N", nullptr, nullptr},
    {"N H N HGs N H N H N HG N", nullptr, nullptr},
};

}  // namespace

TEST(EndingScripts, EveryConfessionKeepsItsShape)
{
    for (int girl = 1; girl <= 8; ++girl) {
        SCOPED_TRACE("heroine " + std::to_string(girl));
        const auto& opening = ConfessionOpening(girl);
        EXPECT_EQ(ShapeOf(opening, girl), Scripts[girl].opening);
        ASSERT_FALSE(opening.empty());
        EXPECT_EQ(opening[0].code, "C28" + std::to_string(girl) + "C");
        std::vector<SceneLine> all = opening;
        if (Scripts[girl].confession) {
            EXPECT_EQ(ShapeOf(ConfessionBranch(girl, false), girl), Scripts[girl].confession);
            EXPECT_EQ(ShapeOf(ConfessionBranch(girl, true), girl), Scripts[girl].mutual);
            for (bool mutual : {false, true})
                all.insert(all.end(), ConfessionBranch(girl, mutual).begin(), ConfessionBranch(girl, mutual).end());
        }
        for (size_t i = 1; i < all.size(); ++i)
            EXPECT_EQ(all[i].code, "") << "only the first line sets a picture";
    }
}

// The roll's pages, their ticks, titles and pictures are fixed; between them nothing changes.
TEST(EndingScripts, StaffRollTurnsToTheFixedPagesAtTheFixedTicks)
{
    struct Page {
        int tick;
        const char* title;
        const char* picture;
        int nameLines;
    };
    const std::vector<Page> pages{
        {0, "", "", 1},
        {1, "ＣＧ（人物）", "C210C", 1},
        {3, "ＣＧ（背景）", "C250C", 1},
        {5, "ＢＧＭ", "C230C", 2},
        {7, "プログラミング", "C240C", 1},
        {9, "美術室資料協力", "C220D", 1},
        {11, "想い出の提供", "C260C", 1},
        {13, "スーパーバイザ", "C270C", 2},
        {15, "企画", "C200B", 1},
        {18, "製作", "C280D", 1},
        {21, "", "C286C", 1},
    };
    size_t next = 0;
    for (int tick = 0; tick <= 23; ++tick) {
        const std::optional<StaffPage> page = StaffPageAtTick(tick, 6);
        if (next == pages.size() || pages[next].tick != tick) {
            EXPECT_FALSE(page) << "a page at tick " << tick;
            continue;
        }
        const Page& expected = pages[next++];
        ASSERT_TRUE(page) << tick;
        EXPECT_EQ(page->title, expected.title) << tick;
        EXPECT_EQ(page->pictureCode, expected.picture) << tick;
        const auto lineEnds = std::count(page->names.begin(), page->names.end(), '\n');
        EXPECT_EQ(lineEnds + 1, expected.nameLines) << tick;
        EXPECT_EQ(std::count(page->names.begin(), page->names.end(), '\r'), lineEnds) << "CR LF between lines";
    }
    EXPECT_EQ(StaffPageAtTick(0, 6)->names, "'Velmoor Episode2' staff");
    EXPECT_EQ(StaffPageAtTick(15, 6)->names, "Ｃｏｒｖａｎｅ－internet－");
    EXPECT_EQ(StaffPageAtTick(18, 6)->names, "Ｃｏｒｖａｎｅ");
    EXPECT_EQ(StaffPageAtTick(21, 8)->names, "また　遊んでね。");
    EXPECT_EQ(StaffPageAtTick(21, 8)->pictureCode, "C288C");
}
