#pragma once
// The game's songs by what they play for: the files the build writes from content/music (the
// song list is VEL_SONGS in tools/music/CMakeLists.txt; content/music/README.md says how to add one).
#include <string>

namespace CV_Midi {

inline constexpr const char* TitleSong = "M290C.mid";
inline constexpr const char* StartScreenSong = "M291C.mid";
inline constexpr const char* ClosingTimeSong = "M292C.mid";
inline constexpr const char* StaffRollSong = "M293C.mid";
// Empty places, walks and phone calls.
inline constexpr const char* WalkingSong = "M294C.mid";

// A classmate's own song, played while she is in the scene (1 to 6).
inline std::string HeroineSong(int heroine) { return "M2" + std::to_string(heroine) + "0C.mid"; }

}  // namespace CV_Midi
