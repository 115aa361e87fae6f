#pragma once
// The game speaks of the platform's Outcome and Problem by their own names.
#include "platform/Outcome.h"

namespace Velmoor2 {

using Platform::Outcome;
using Platform::Problem;

}  // namespace Velmoor2
