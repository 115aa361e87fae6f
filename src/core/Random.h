#pragma once
// The game's one random generator: seeded once at start-up, drawn by the new-game setup and the
// reply draw. Tests seed it with a fixed number.
namespace Velmoor2 {

void SeedRandomFromClock();
void SeedRandom(unsigned seed);
// A number in [0, 1).
double RandomUnit();
// An integer from 0 to limit - 1.
int RandomBelow(int limit);

}  // namespace Velmoor2
