#pragma once
// Binds the toggle-list functions to the program's list view.

#include <windows.h>

namespace quorrith {

void AttachToggleListView(HWND listView);
HWND ToggleListView();

}  // namespace quorrith
