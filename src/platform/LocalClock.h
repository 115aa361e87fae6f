#pragma once
// The player's own clock, as the desktop shows it.
namespace Platform {

// The hour of the local time now, 0 to 23.
int LocalHour();

}  // namespace Platform
