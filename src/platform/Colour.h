#pragma once
#include <cstdint>

namespace Platform {

// A colour as the screens' designs give it: &H00BBGGRR (red in the low byte).
using Colour = std::uint32_t;

constexpr Colour Rgb(int red, int green, int blue)
{
    return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) | (static_cast<Colour>(blue) << 16);
}

}  // namespace Platform
