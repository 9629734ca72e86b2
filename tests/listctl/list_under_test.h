#pragma once
// The list behind the contract tests: the in-memory list on every platform,
// the real list view in a window on Windows. Each test program defines these.

namespace quorrith::test {

// Leaves an empty list with nothing selected.
void ResetListUnderTest();
// Whether the last FocusList() put the keyboard focus on the list.
bool ListHasKeyboardFocus();

}  // namespace quorrith::test
