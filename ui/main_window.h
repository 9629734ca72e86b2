#pragma once
// The program's one window: the list, the two edition buttons, the three
// command buttons and the credit label.

#include <windows.h>

namespace quorrith {

// Registers the class and creates the window hidden, centred on the primary
// screen, with all its controls and the list filled. Null on failure.
HWND CreateMainWindow(HINSTANCE instance);

// Runs the window's keyboard rules (Tab cycle, Esc, Enter, arrows between the
// edition buttons) before a key reaches the focused control. True when the
// key was taken.
bool HandleMainWindowKey(HWND window, const MSG& message);

}  // namespace quorrith
