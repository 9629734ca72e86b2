#pragma once
// Pixel sizes are written for 96 DPI and scaled to the monitor the window is on.

#include <windows.h>

namespace quorrith {

constexpr UINT kBaseDpi = 96;

inline int ScaleForDpi(int pixelsAt96, UINT dpi) { return MulDiv(pixelsAt96, static_cast<int>(dpi), kBaseDpi); }

// The window's DPI, or the system's where the system cannot say per window.
UINT DpiOfWindow(HWND window);
// The DPI of the primary monitor, for sizing the window before it exists.
UINT SystemDpi();
// The default GUI font at `dpi`: the stock font itself at the system DPI,
// otherwise a copy of it scaled to `dpi` (owned by the caller).
HFONT DefaultGuiFontForDpi(UINT dpi, bool* created);

}  // namespace quorrith
