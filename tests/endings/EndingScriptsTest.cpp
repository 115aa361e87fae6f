// The shape every ending script must keep, line by line: who speaks (N narration or the
// player, H the heroine), the picture on the first line only, and where the player's names go
// (F family name, G given name; "s" when the name opens the line).
#include "endings/EndingTexts.h"
#include "talk/Greetings.h"

#include <gtest/gtest.h>

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

TEST(EndingScripts, EveryConfessionKeepsItsLinesSpeakersAndNamePlaces)
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

TEST(EndingScripts, GateEpiloguesAndStaffRollAreAllThere)
{
    EXPECT_FALSE(GateNarration(1).empty());
    EXPECT_FALSE(GateNarration(2).empty());
    EXPECT_FALSE(EpilogueOpening().empty());
    for (int girl = 1; girl <= 8; ++girl)
        EXPECT_FALSE(EpilogueLines(girl).empty()) << girl;
    for (int tick : {1, 3, 5, 7, 9, 11, 13, 15, 18}) {
        const StaffPage* page = StaffPageAtTick(tick);
        ASSERT_NE(page, nullptr) << tick;
        EXPECT_FALSE(page->names.empty()) << tick;
    }
    EXPECT_EQ(StaffPageAtTick(2), nullptr);
    EXPECT_EQ(StaffPageAtTick(5)->names.find("\r\n") != std::string::npos, true);  // two composers
}
