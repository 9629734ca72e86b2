// The list contract against a real list view, set up as the main window sets
// up its list: report view, single selection, check boxes, one column.

#include <windows.h>
#include <commctrl.h>

#include "listctl/listview_list.h"
#include "tests/listctl/list_under_test.h"

namespace quorrith::test {

namespace {

HWND gHost = nullptr;

HWND Host() {
    if (gHost == nullptr) {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        gHost = CreateWindowExW(0, L"STATIC", L"list host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 400,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(gHost);
    }
    return gHost;
}

}  // namespace

void ResetListUnderTest() {
    if (HWND old = ToggleListView()) DestroyWindow(old);
    HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER,
                                8, 8, 95, 281, Host(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 70;
    column.pszText = const_cast<wchar_t*>(L"\x540D\x79F0");  // 名称
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    AttachToggleListView(list);
}

bool ListHasKeyboardFocus() { return GetFocus() == ToggleListView() && ToggleListView() != nullptr; }

}  // namespace quorrith::test
