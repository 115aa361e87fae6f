#include "talk/ReplyDraw.h"

namespace Velmoor2 {

std::array<int, 5> DrawFivePositions(const std::function<double()>& unit)
{
    std::array<int, 5> drawn{};
    std::array<bool, 11> taken{};
    int count = 0;
    while (count < 5) {
        const int r = static_cast<int>(unit() * 10) + 1;
        if (r < 1 || r > 10 || taken[r])
            continue;
        taken[r] = true;
        drawn[count++] = r;
    }
    return drawn;
}

}  // namespace Velmoor2
