// What the user sees right after start-up, and the window's fixed frame.

#include <windows.h>
#include <commctrl.h>

#include "tests/e2e/e2e_fixture.h"

namespace quorrith::e2e {
namespace {

using StartUp = E2ETest;

RECT ClientRectOf(HWND window, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// Saves the window as it is on screen, as a 24-bit BMP, for the README.
void SaveScreenshot(HWND window, const std::wstring& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD imageSize = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + imageSize),
                          0, 0, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
    WriteFile(out, bits, imageSize, &written, nullptr);
    CloseHandle(out);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(StartUp, ListShowsTheSixteenTogglesTickedAndNothingSelected) {
    ASSERT_EQ(app().RowCount(), 16);
    for (int row = 0; row < 16; ++row) {
        EXPECT_EQ(app().RowText(row), Wide(test::ExpectedToggles()[row].label)) << "row " << row;
        EXPECT_EQ(app().RowStateImage(row), 1) << "row " << row;
    }
    EXPECT_TRUE(app().SelectedRows().empty());
    EXPECT_TRUE(app().Checked(kIdRadioNotification));
    EXPECT_FALSE(app().Checked(kIdRadioTapBattery));
    EXPECT_EQ(app().Focus(), control(kIdGenerate));

    const std::wstring screenshot = test::EnvironmentValue(L"QUORRITH_SCREENSHOT");
    if (!screenshot.empty()) SaveScreenshot(app().window(), screenshot);
}

TEST_F(StartUp, WindowHasItsCaptionSizeAndPlace) {
    EXPECT_EQ(TextOf(app().window()), L"Quorrith1.3");
    RECT rect;
    GetWindowRect(app().window(), &rect);
    EXPECT_EQ(rect.right - rect.left, 217);
    EXPECT_EQ(rect.bottom - rect.top, 326);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 217) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 326) / 2);

    const LONG style = GetWindowLongW(app().window(), GWL_STYLE);
    const LONG exStyle = GetWindowLongW(app().window(), GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), 0) << "in the taskbar, not on top";
    EXPECT_EQ(GetWindow(app().window(), GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(app().window()), nullptr);
}

TEST_F(StartUp, ControlsSitAtTheirPlacesWithTheirTexts) {
    const struct {
        int id;
        RECT rect;
        std::string text;
    } controls[] = {
        {kIdRadioNotification, {121, 122, 209, 146}, "\xCD\xA8\xD6\xAA\xD6\xD0\xD0\xC4\xB0\xE6"},  // 通知中心版
        {kIdRadioTapBattery, {121, 155, 209, 179}, "\xB5\xE3\xBB\xF7\xB5\xE7\xB3\xD8\xB0\xE6"},    // 点击电池版
        {kIdMoveUp, {121, 21, 193, 45}, "\xC9\xCF\xD2\xC6"},                                       // 上移
        {kIdMoveDown, {121, 72, 193, 96}, "\xCF\xC2\xD2\xC6"},                                     // 下移
        {kIdGenerate, {121, 193, 193, 217}, "\xC9\xFA\xB3\xC9plist"},                              // 生成plist
        {kIdCreditLabel, {120, 247, 204, 271}, ""},
        {kIdToggleList, {8, 8, 103, 289}, ""},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.id);
        const RECT rect = ClientRectOf(app().window(), control(c.id));
        EXPECT_EQ(rect.left, c.rect.left);
        EXPECT_EQ(rect.top, c.rect.top);
        EXPECT_EQ(rect.right, c.rect.right);
        EXPECT_EQ(rect.bottom, c.rect.bottom);
        EXPECT_TRUE(IsWindowVisible(control(c.id)) && IsWindowEnabled(control(c.id)));
        if (!c.text.empty()) {
            EXPECT_EQ(TextOf(control(c.id)), Wide(c.text));
        }
    }
    const std::wstring credit = TextOf(control(kIdCreditLabel));
    EXPECT_NE(credit.find(L"Quorrith"), std::wstring::npos);
    EXPECT_EQ(credit.substr(credit.find(L"\r\n")), L"\r\n" + Wide("\xCA\xB1\xBC\xE4:2012.6.10"));  // 时间
    for (const int id : {kIdMoveUp, kIdMoveDown, kIdGenerate}) {
        EXPECT_EQ(GetWindowLongW(control(id), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON) << "no default button";
    }
}

TEST_F(StartUp, ListIsACheckListWithOneHiddenHeaderColumn) {
    HWND list = control(kIdToggleList);
    const LONG style = GetWindowLongW(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_EQ(style & (LVS_SINGLESEL | LVS_NOCOLUMNHEADER), LVS_SINGLESEL | LVS_NOCOLUMNHEADER);
    EXPECT_EQ(style & (LVS_EDITLABELS | LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_SORTDESCENDING), 0);
    EXPECT_NE(GetWindowLongW(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    const auto extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(extended & (LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT), LVS_EX_CHECKBOXES);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0), 70);
    EXPECT_EQ(SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0), 0) << "one column only";
}

TEST_F(StartUp, DraggingTheCornerDoesNotResize) {
    RECT before;
    GetWindowRect(app().window(), &before);
    const LRESULT hit = SendMessageW(app().window(), WM_NCHITTEST, 0, MAKELPARAM(before.right - 1, before.bottom - 1));
    EXPECT_NE(hit, HTBOTTOMRIGHT);
    SetForegroundWindow(app().window());
    SetCursorPos(before.right - 1, before.bottom - 1);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) input.type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_MOVE;
    inputs[1].mi.dx = 60;
    inputs[1].mi.dy = 60;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, inputs, sizeof(INPUT));
    app().Settle();
    RECT after;
    GetWindowRect(app().window(), &after);
    EXPECT_EQ(after.right - after.left, 217);
    EXPECT_EQ(after.bottom - after.top, 326);
}

}  // namespace
}  // namespace quorrith::e2e
