#pragma once

namespace Velmoor2 {

// The program's start: shows the first screen; everything after runs from window events.
void StartUp();

}  // namespace Velmoor2
