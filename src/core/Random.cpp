#include "core/Random.h"

#include <chrono>
#include <cmath>
#include <random>

namespace Velmoor2 {
namespace {

std::mt19937& Generator()
{
    static std::mt19937 generator;
    return generator;
}

}  // namespace

void SeedRandomFromClock()
{
    SeedRandom(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void SeedRandom(unsigned seed) { Generator().seed(seed); }

double RandomUnit()
{
    const double value = std::uniform_real_distribution<double>(0.0, 1.0)(Generator());
    return value < 1.0 ? value : std::nextafter(1.0, 0.0);
}

int RandomBelow(int limit) { return static_cast<int>(RandomUnit() * limit); }

}  // namespace Velmoor2
