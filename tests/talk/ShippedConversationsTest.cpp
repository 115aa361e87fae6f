// The conversation files the build ships, read the way the game reads them, so that no player
// ever meets the missing-data report from our own files.
#include "core/GameState.h"
#include "platform/Cp932.h"
#include "support/CurrentFolder.h"
#include "talk/ConversationFiles.h"
#include "talk/EncounterTable.h"
#include "talk/FieldReader.h"
#include "talk/Greetings.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>

using namespace Velmoor2;

namespace {

std::set<std::string> TimetableIds()
{
    std::set<std::string> ids;
    for (int window = 1; window <= 6; ++window)
        for (int place = 1; place <= 7; ++place)
            if (auto encounter = EncounterAt(window, place)) {
                ids.insert(encounter->idA);
                if (window > 1)
                    ids.insert(encounter->idB);
            }
    return ids;
}

// Each conversation's own section of the response file: the fields after its id up to the next id.
std::map<std::string, std::set<int>> ResponseSections()
{
    std::ifstream file("VelResp.dat", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::string text = Platform::Cp932ToUtf8(bytes).value_or("");
    std::map<std::string, std::set<int>> sections;
    std::string current;
    FieldReader reader(text);
    while (auto field = reader.Next()) {
        if (field->size() == 3 && std::isalpha(static_cast<unsigned char>((*field)[2])))
            current = *field;
        else
            sections[current].insert(std::stoi(field->substr(0, 3)));
    }
    return sections;
}

class ShippedConversations : public testing::Test {
protected:
    CurrentFolder inGameDirectory{VEL_GAME_DIR};
};

}  // namespace

TEST_F(ShippedConversations, EveryTimetableConversationHasAGreetingAndTenAnsweredReplies)
{
    const std::set<std::string> ids = TimetableIds();
    ASSERT_EQ(ids.size(), 35u);
    const auto sections = ResponseSections();
    PlayerMyouji = "高瀬";
    for (const std::string& id : ids) {
        const std::string greeting = GreetingText(id);
        EXPECT_FALSE(greeting.empty()) << id;
        EXPECT_EQ(greeting.find('{'), std::string::npos) << id << ": every name spliced in";
        const bool named = id[1] == '5' && id != "15A";
        EXPECT_EQ(greeting.find("高瀬君") != std::string::npos, named) << id << " names the player: " << greeting;
        const auto codes = ReplyCodesOf(id);
        ASSERT_TRUE(codes) << codes.Failure().detail;
        for (Integer code : codes.Get()) {
            EXPECT_EQ(code / 100, id[1] - '0') << id << " offers another heroine's reply " << code;
            const auto caption = ReplyCaption(code);
            EXPECT_TRUE(caption && !caption.Get().empty()) << code;
            const auto response = ResponseTo(id, code);
            ASSERT_TRUE(response) << response.Failure().detail;
            EXPECT_FALSE(response.Get().text.empty()) << id << " " << code;
            EXPECT_TRUE(sections.at(id).count(code)) << id << " " << code << " answered from another section";
        }
    }
}
