// The score notation that makes the songs breathe: hairpins, variations of a section, a section
// played in another key, a song's level, and a loose feel that must never cut a note short.
#include "Performance.h"
#include "ScoreParser.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace velmusic {
namespace {

const std::string kHeader = "tempo 120\ntime 4/4\n"
                            "track lead program 0 channel 1 volume 100 velocity mf\n"
                            "track drums program 0 channel 10 volume 100 velocity mf\n";

Song parse(const std::string& body, const std::string& header = kHeader) { return parseScore(header + body, "test"); }

TEST(ScoreNotation, AHairpinMovesTheLoudnessEvenlyToTheNextMark)
{
    Song song = parse("section a\nlead: !p !< c4/4 d4 e4 f4 | !f g4/1 |\nend\nform a\n");
    const auto& notes = song.tracks[0].notes;
    ASSERT_EQ(notes.size(), 5u);
    EXPECT_EQ(notes[0].velocity, 50);  // p
    for (size_t i = 1; i < 4; ++i)
        EXPECT_GT(notes[i].velocity, notes[i - 1].velocity);
    EXPECT_LT(notes[3].velocity, 96);
    EXPECT_EQ(notes[4].velocity, 96);  // f

    EXPECT_THROW(parse("section a\nlead: !p !< c4/1 |\nend\nform a\n"), std::runtime_error)
        << "a hairpin that reaches no mark";
}

TEST(ScoreNotation, AVariationKeepsTheTracksItDoesNotWriteAndAFormShiftMovesAllButDrums)
{
    Song song = parse("section a\nlead: c4/2 e4 |\ndrums: bd/2 sd |\nend\n"
                      "section a2 like a\nlead: g4/1 |\nend\n"
                      "form a a2+2\n");
    const auto& lead = song.tracks[0].notes;
    const auto& drums = song.tracks[1].notes;
    ASSERT_EQ(lead.size(), 3u);
    EXPECT_EQ(lead[2].key, 67 + 2) << "the new tune, two semitones up";
    ASSERT_EQ(drums.size(), 4u) << "the drums of a, played again under a2";
    EXPECT_EQ(drums[2].key, drums[0].key) << "drums keep their instruments";
    EXPECT_EQ(drums[2].start, 4 * kTicksPerQuarter);
    EXPECT_EQ(drums[2].length, drums[0].length) << "a copied track keeps its written lengths";
    EXPECT_THROW(parse("section a2 like a\nlead: g4/1 |\nend\nform a2\n"), std::runtime_error);
}

TEST(ScoreNotation, ALevelMovesEveryVolumeAlikeAndRefusesToPassTheTop)
{
    Song softer = parse("section a\nlead: c4/1 |\nend\nform a\n", "level -6\n" + kHeader);
    EXPECT_EQ(softer.tracks[0].volume, 71);  // 100 * 10^(-6/40)
    EXPECT_EQ(softer.tracks[1].volume, 71);
    EXPECT_THROW(parse("section a\nlead: c4/1 |\nend\nform a\n", "level +6\n" + kHeader), std::runtime_error);
}

TEST(ScoreNotation, ALooseFeelMovesNotesOffTheGridButNeverCutsARepeatedKeyShort)
{
    Song song = parse("section a\nlead: (c4/16)*16 |\nend\nform a*8\n", "feel 20\n" + kHeader);
    perform(song);
    auto& notes = song.tracks[0].notes;
    std::sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.start < b.start; });
    bool offTheGrid = false;
    for (size_t i = 0; i < notes.size(); ++i) {
        offTheGrid |= notes[i].start % (kTicksPerQuarter / 4) != 0;
        EXPECT_GT(notes[i].length, 0);
        if (i + 1 < notes.size()) {
            EXPECT_LE(notes[i].start + notes[i].length, notes[i + 1].start) << "note " << i;
        }
    }
    EXPECT_TRUE(offTheGrid);
}

}  // namespace
}  // namespace velmusic
