#pragma once

namespace Velmoor2 {

// Enables the main screen's place buttons that the phase of play allows at the current place.
void UpdatePlaceButtons();

}  // namespace Velmoor2
