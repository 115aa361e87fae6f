#pragma once

namespace Velmoor2 {

// The friend rings during a long walk: calls 1, 2 and 3 on the first, second and fourth chance.
// The clock keeps running while he talks; the walk ends only after the call.
void PhoneCall();

}  // namespace Velmoor2
