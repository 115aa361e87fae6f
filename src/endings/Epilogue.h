#pragma once

namespace Velmoor2 {

// After the confession: the save file goes, the epilogue plays, the staff roll runs, the clear is
// recorded and the program ends. Neither returns.
void PlayEpilogue();
void RecordClear();

}  // namespace Velmoor2
