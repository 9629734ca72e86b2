// The floor for the window program: the same outer size, the same seven
// controls with the same styles and places, sixteen ticked rows, and on the
// generate button a plain write of the start-up document followed by the same
// message box. Nothing else: no DPI handling, no keyboard rules, no list
// abstraction, no safe replacement of the file.

#include <windows.h>
#include <commctrl.h>

#include "floor_resources.h"

namespace {

constexpr wchar_t kClassName[] = L"QuorrithFloorWindow";
constexpr int kGenerateId = 1006;
constexpr int kListId = 1007;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

struct Control {
    int id;
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;
    const wchar_t* text;
};

const Control kControls[] = {
    {1001, L"BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER, 0, 121, 122, 88,
     24, L"通知中心版"},
    {1002, L"BUTTON", kChild | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER, 0, 121, 155, 88, 24,
     L"点击电池版"},
    {1003, L"STATIC", kChild | WS_GROUP | SS_LEFT | SS_NOPREFIX, 0, 120, 247, 84, 24,
     L"Quorrith出品\r\n时间:2012.6.10"},
    {1004, L"BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0, 121, 21, 72, 24,
     L"上移"},
    {1005, L"BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0, 121, 72, 72, 24,
     L"下移"},
    {kGenerateId, L"BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0, 121, 193,
     72, 24, L"生成plist"},
    {kListId, L"SysListView32", kChild | WS_GROUP | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER,
     WS_EX_CLIENTEDGE, 8, 8, 95, 281, L""},
};

const wchar_t* const kRows[] = {L"WIFI",     L"数据",   L"3G",   L"清理", L"手电筒", L"亮度",
                                L"GPS",      L"蓝牙",   L"自动锁定", L"方向锁", L"飞行",   L"注销",
                                L"重启",     L"关机",   L"主屏幕", L"锁屏"};

void FillList(HWND list) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.cx = 70;
    column.pszText = const_cast<wchar_t*>(L"名称");
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    int row = 0;
    for (const wchar_t* text : kRows) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(text);
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.stateMask = LVIS_STATEIMAGEMASK;
        item.state = INDEXTOSTATEIMAGEMASK(2);
        SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
        ++row;
    }
}

void CreateControls(HWND window) {
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(window, WM_SETFONT, font, FALSE);
    for (const Control& c : kControls) {
        HWND control = CreateWindowExW(c.exStyle, c.className, c.text, c.style, c.left, c.top, c.width, c.height,
                                       window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), nullptr, nullptr);
        SendMessageW(control, WM_SETFONT, font, FALSE);
    }
    SendMessageW(GetDlgItem(window, 1001), BM_SETCHECK, BST_CHECKED, 0);
    FillList(GetDlgItem(window, kListId));
}

// The document comes from the real builder at build time, as a resource.
void WriteDocumentAndReport() {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_STARTUP_DOCUMENT), RT_RCDATA);
    const void* bytes = LockResource(LoadResource(nullptr, found));
    const DWORD size = SizeofResource(nullptr, found);

    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    while (length > 0 && path[length - 1] != L'\\') --length;
    lstrcpyW(path + length, L"WeeWindowListSetting.plist");

    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE && WriteFile(file, bytes, size, &written, nullptr) && written == size;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    MessageBoxW(nullptr,
                ok ? L"文件生成成功\r\n请将生成的plist文件拷贝至/var/mobile/Library/kBatteryDoctor"
                   : L"文件生成失败，请联系作者",
                L"信息", MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls(window);
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kGenerateId && HIWORD(wParam) == BN_CLICKED) WriteDocumentAndReport();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);

    constexpr int width = 217, height = 326;
    HWND window = CreateWindowExW(0, kClassName, L"Quorrith1.3", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                  instance, nullptr);
    if (window == nullptr) return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
