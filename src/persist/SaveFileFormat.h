#pragma once
// The bytes of the save file "VEL2DATA.DAT": 17 lines of code page 932 text, each ended by CR LF.
//
//   1  PlayerMyouji     text          10-15  MetFlag(1..6)   integer
//   2  PlayerNamae      text          16     TargetGirl      integer
//   3  GameMinute       integer       17     CurrentPlace    integer
//   4-9 Love(1..6)      affection letter
//
// An integer line is one blank (or the minus sign) before the decimal digits and one blank after:
// 12 is " 12 ", -3 is "-3 ". An affection letter is the single byte 72 + value ("H" is 0, "F" is
// -2), used for -39 to 54 except -38 and -28, and for 89 to 151 (half-width katakana).
//
// Where the letters and the plain text lines fall short, this file keeps every value anyway:
// - Names are read as whole lines, not as fields, so a name with a comma, a double quote or
//   blanks at either end comes back exactly as typed. Only a name with a line break, or with a
//   character that code page 932 lacks, cannot be a line of this file: such a save is refused
//   rather than written wrong. (A character the code page holds only as a look-alike, such as
//   the wave dash U+301C, is written as that look-alike and comes back as it: "～".)
// - An affection value that has no letter (-40 and below, -38, -28, 55 to 88, 152 and above) is
//   written as an integer line, in the same form as the clock and the flags. It cannot be
//   mistaken for a letter: a letter line is exactly one byte, an integer line at least three.
//   So every value that has a letter keeps it, and the rest still come back unchanged.
// Reading is all or nothing: the lines are parsed into a separate SavedGame and checked (flags
// 0 or 1, album pick 1 to 6, place 1 to 7, clock from 0 to a day's minutes) before anyone may use it.
// A number line that holds no number reads as 0, as every number the game reads from text.
#include "persist/SavedGame.h"

#include <optional>
#include <string>
#include <string_view>

namespace Velmoor2 {

// Empty when a name cannot be stored (a line break, or a character outside code page 932).
std::optional<std::string> EncodeSaveFile(const SavedGame& game);

enum class SaveFileDefect { None, Short, Damaged };

struct ParsedSaveFile {
    SaveFileDefect defect = SaveFileDefect::None;
    std::string detail;  // which line is wrong, for the log
    SavedGame game;      // meaningful only when defect is None
};

ParsedSaveFile ParseSaveFile(std::string_view bytes);

}  // namespace Velmoor2
