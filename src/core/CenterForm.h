#pragma once
#include "platform/Window.h"

namespace Velmoor2 {

// Places a screen in the middle of the display.
void CenterForm(Platform::Window& form);

}  // namespace Velmoor2
