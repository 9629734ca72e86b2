#include "ui/dpi.h"

#include "ui/system_function.h"

namespace quorrith {

namespace {

UINT ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

}  // namespace

UINT SystemDpi() {
    static const auto getDpiForSystem = SystemFunction<UINT(WINAPI*)()>(L"user32.dll", "GetDpiForSystem");
    return getDpiForSystem != nullptr ? getDpiForSystem() : ScreenDpi();
}

UINT DpiOfWindow(HWND window) {
    static const auto getDpiForWindow = SystemFunction<UINT(WINAPI*)(HWND)>(L"user32.dll", "GetDpiForWindow");
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
