// What the user sees right after start-up, and the window's fixed frame.

#include <windows.h>
#include <commctrl.h>

#include "tests/e2e/e2e_fixture.h"

namespace quorrith::e2e {
namespace {

using StartUp = E2ETest;

std::wstring TextOf(HWND window) {
    wchar_t buffer[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buffer));
    return buffer;
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
    for (const auto& c : kExpectedControls) {
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

namespace quorrith::e2e {
namespace {

// The test script also runs the suite with a Western code page, where the
// program must still show and write exactly the same texts.
TEST(DisplayLanguage, AnsiCodePageIsTheOneThisRunIsFor) {
    const std::wstring expected = test::EnvironmentValue(L"QUORRITH_EXPECT_ACP");
    if (expected.empty()) GTEST_SKIP() << "QUORRITH_EXPECT_ACP is set only for runs in another language";
    EXPECT_EQ(GetACP(), static_cast<UINT>(_wtoi(expected.c_str())));
}

}  // namespace
}  // namespace quorrith::e2e
