#pragma once

namespace Velmoor2 {

// The heroine's scene at the gate; for the six classmates its second half is the mutual-love
// variant when she is the girl the player picked in the album.
void PlayConfession(int girl);

}  // namespace Velmoor2
