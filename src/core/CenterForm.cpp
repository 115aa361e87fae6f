#include "core/CenterForm.h"

#include "platform/Application.h"

#include <cmath>

namespace Velmoor2 {

void CenterForm(Platform::Window& form)
{
    const int left = static_cast<int>(std::nearbyint(Platform::DisplayWidthTwips() - form.Width())) / 2;
    const int top = static_cast<int>(std::nearbyint(Platform::DisplayHeightTwips() - form.Height())) / 2;
    form.MoveTo(left, top);
}

}  // namespace Velmoor2
