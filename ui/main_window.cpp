#include "ui/main_window.h"

#include <commctrl.h>

#include <iterator>

#include "listctl/listview_list.h"
#include "reorder/move_selection.h"
#include "ui/commands.h"
#include "ui/dpi.h"
#include "ui/gbk_text.h"
#include "ui/handles.h"
#include "ui/layout.h"
#include "ui/populate_toggle_list.h"
#include "ui/res/resource_ids.h"

namespace quorrith {

namespace {

struct WindowState {
    FontHandle scaledFont;  // only when the stock font does not fit the DPI
    HFONT font = nullptr;
    HWND focusToRestore = nullptr;
};

WindowState gState;

HWND Control(HWND window, ControlId id) { return GetDlgItem(window, id); }

void ApplyFontForDpi(HWND window, UINT dpi) {
    bool created = false;
    HFONT font = DefaultGuiFontForDpi(dpi, &created);
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (const ControlLayout& layout : kControls) {
        SendMessageW(Control(window, layout.id), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    // The controls now use the new font, so the old one can go.
    gState.scaledFont.reset(created ? font : nullptr);
    gState.font = font;
}

void PlaceControls(HWND window, UINT dpi) {
    for (const ControlLayout& layout : kControls) {
        SetWindowPos(Control(window, layout.id), nullptr, ScaleForDpi(layout.left, dpi),
                     ScaleForDpi(layout.top, dpi), ScaleForDpi(layout.width, dpi),
                     ScaleForDpi(layout.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    SendMessageW(Control(window, kIdToggleList), LVM_SETCOLUMNWIDTH, 0,
                 MAKELPARAM(ScaleForDpi(kListColumnWidth, dpi), 0));
}

void SetUpToggleList(HWND list, UINT dpi) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    std::wstring title = WideFromGbk(kListColumnTitle);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = ScaleForDpi(kListColumnWidth, dpi);
    column.pszText = title.data();
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    AttachToggleListView(list);
}

bool CreateControls(HWND window) {
    const UINT dpi = DpiOfWindow(window);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    for (const ControlLayout& layout : kControls) {
        HWND control = CreateWindowExW(
            layout.exStyle, layout.className, WideFromGbk(layout.text).c_str(), layout.style,
            ScaleForDpi(layout.left, dpi), ScaleForDpi(layout.top, dpi), ScaleForDpi(layout.width, dpi),
            ScaleForDpi(layout.height, dpi), window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(layout.id)), instance, nullptr);
        if (control == nullptr) return false;
    }
    for (const ControlId id : {kIdRadioNotification, kIdRadioTapBattery}) {
        // Tab moves the focus onto an edition button without choosing it.
        SendMessageW(Control(window, id), BM_SETDONTCLICK, TRUE, 0);
    }
    SendMessageW(Control(window, kIdRadioNotification), BM_SETCHECK, BST_CHECKED, 0);
    SetUpToggleList(Control(window, kIdToggleList), dpi);
    ApplyFontForDpi(window, dpi);
    for (const ControlLayout& layout : kControls) ShowWindow(Control(window, layout.id), SW_SHOWNA);
    return true;
}

void OnCommand(HWND window, int id, int notification) {
    if (notification != BN_CLICKED) return;
    switch (id) {
        case kIdMoveUp: MoveSelectionUp(); break;
        case kIdMoveDown: MoveSelectionDown(); break;
        case kIdGenerate: GeneratePlist(Control(window, kIdRadioNotification)); break;
        default: break;
    }
}

void OnDpiChanged(HWND window, UINT dpi, const RECT& suggested) {
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceControls(window, dpi);
    ApplyFontForDpi(window, dpi);
    InvalidateRect(window, nullptr, TRUE);
}

// A plain window forgets its focused control when it is deactivated (for
// instance by a message box); keep it and put it back on return. The first
// activation goes to the generate button, the lowest Tab number.
void OnActivate(HWND window, bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) gState.focusToRestore = focus;
        return;
    }
    if (gState.focusToRestore == nullptr) gState.focusToRestore = Control(window, kIdGenerate);
    SetFocus(gState.focusToRestore);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            if (!CreateControls(window)) return -1;
            PopulateToggleList();
            return 0;
        case WM_COMMAND:
            OnCommand(window, LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            OnActivate(window, LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_SETFOCUS:
            if (gState.focusToRestore != nullptr) SetFocus(gState.focusToRestore);
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            AttachToggleListView(nullptr);
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND NextInTabCycle(HWND window, HWND focus, bool backwards) {
    constexpr int count = static_cast<int>(std::size(kTabCycle));
    if (focus == Control(window, kIdToggleList)) {
        return Control(window, backwards ? kTabCycle[count - 1] : kTabCycle[0]);
    }
    for (int i = 0; i < count; ++i) {
        if (Control(window, kTabCycle[i]) == focus) {
            return Control(window, kTabCycle[(i + (backwards ? count - 1 : 1)) % count]);
        }
    }
    return Control(window, backwards ? kTabCycle[count - 1] : kTabCycle[0]);
}

bool KeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QUORRITH), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_QUORRITH), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kMainWindowClass;
    if (RegisterClassExW(&windowClass) == 0) return nullptr;

    const UINT dpi = SystemDpi();
    const int width = ScaleForDpi(kWindowWidth, dpi);
    const int height = ScaleForDpi(kWindowHeight, dpi);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND window = CreateWindowExW(0, kMainWindowClass, WideFromGbk(kWindowCaption).c_str(),
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, left, top, width, height,
                                  nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    // The outer size is fixed whatever the frame metrics made of it.
    SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return window;
}

bool HandleMainWindowKey(HWND window, const MSG& message) {
    if (message.message != WM_KEYDOWN) return false;
    if (message.hwnd != window && !IsChild(window, message.hwnd)) return false;
    if (KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return false;
    const bool shift = KeyDown(VK_SHIFT);
    HWND focus = GetFocus();

    switch (message.wParam) {
        case VK_TAB:
            SetFocus(NextInTabCycle(window, focus, shift));
            return true;
        case VK_ESCAPE:
            if (shift) return false;
            SendMessageW(window, WM_CLOSE, 0, 0);
            return true;
        case VK_RETURN:
            return !shift;  // no default button: Enter does nothing
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: {
            if (shift) return false;
            const HWND notification = Control(window, kIdRadioNotification);
            const HWND tapBattery = Control(window, kIdRadioTapBattery);
            if (focus != notification && focus != tapBattery) return false;
            const ControlId other = focus == notification ? kIdRadioTapBattery : kIdRadioNotification;
            CheckRadioButton(window, kIdRadioNotification, kIdRadioTapBattery, other);
            SetFocus(Control(window, other));
            return true;
        }
        default:
            return false;
    }
}

}  // namespace quorrith
