#pragma once
// Start-up content of the toggle list. Portable: it reaches the list only
// through the list functions, so tests and tools use the very same steps.

namespace quorrith {

// Fills the empty list with the sixteen toggles in catalogue order, all ticked.
void PopulateToggleList();

}  // namespace quorrith
