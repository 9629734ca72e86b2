#include "ui/dpi.h"

namespace quorrith {

namespace {

// Looked up at run time, so the program still starts on systems that
// predate per-monitor DPI.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

}  // namespace

UINT SystemDpi() {
    static const auto getDpiForSystem = User32Function<UINT(WINAPI*)()>("GetDpiForSystem");
    return getDpiForSystem != nullptr ? getDpiForSystem() : ScreenDpi();
}

UINT DpiOfWindow(HWND window) {
    static const auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : SystemDpi();
}

HFONT DefaultGuiFontForDpi(UINT dpi, bool* created) {
    auto stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const UINT systemDpi = SystemDpi();
    LOGFONTW font{};
    if (dpi == systemDpi || GetObjectW(stock, sizeof font, &font) == 0) {
        *created = false;
        return stock;
    }
    font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi));
    HFONT scaled = CreateFontIndirectW(&font);
    *created = scaled != nullptr;
    return scaled != nullptr ? scaled : stock;
}

}  // namespace quorrith
