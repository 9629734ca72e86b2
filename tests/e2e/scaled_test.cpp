// At another display scale the same layout is scaled, so text stays crisp.
// The test script runs this with the Wine display set to QUORRITH_EXPECT_DPI.

#include "tests/e2e/e2e_fixture.h"

#include <commctrl.h>

namespace quorrith::e2e {
namespace {

TEST(ScaledDisplay, LayoutIsScaledToTheDpi) {
    const std::wstring expected = test::EnvironmentValue(L"QUORRITH_EXPECT_DPI");
    if (expected.empty()) GTEST_SKIP() << "QUORRITH_EXPECT_DPI is set only for the scaled run";
    const int dpi = _wtoi(expected.c_str());
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };

    test::TestFolder folder;
    QuorrithApp app(folder.path());
    RECT window;
    GetWindowRect(app.window(), &window);
    EXPECT_EQ(window.right - window.left, scaled(217));
    EXPECT_EQ(window.bottom - window.top, scaled(326));
    for (const auto& c : kExpectedControls) {
        SCOPED_TRACE(c.id);
        const RECT rect = ClientRectOf(app.window(), app.control(c.id));
        EXPECT_EQ(rect.left, scaled(c.rect.left));
        EXPECT_EQ(rect.top, scaled(c.rect.top));
        EXPECT_EQ(rect.right - rect.left, scaled(c.rect.right - c.rect.left));
        EXPECT_EQ(rect.bottom - rect.top, scaled(c.rect.bottom - c.rect.top));
    }
    EXPECT_EQ(SendMessageW(app.control(kIdToggleList), LVM_GETCOLUMNWIDTH, 0, 0), scaled(70));
    const std::wstring screenshot = test::EnvironmentValue(L"QUORRITH_SCREENSHOT");
    if (!screenshot.empty()) SaveScreenshot(app.window(), screenshot);

    // Still the whole tool: the rows can be clicked and the file written.
    app.ClickRowLabel(3);
    EXPECT_EQ(app.SelectedRows(), std::vector<int>{3});
    app.Click(app.control(kIdGenerate));
    const auto box = app.WaitForMessageBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, Wide(kSuccessText));
    app.CloseMessageBoxWithOk();
    EXPECT_EQ(test::ReadBytes(folder / kNotificationFile), StartUpDocument());
}

using MonitorScale = E2ETest;

TEST_F(MonitorScale, FollowsAMoveToAMonitorOfAnotherScale) {
    const auto scaled = [](int pixels) { return MulDiv(pixels, 144, 96); };
    RECT before;
    GetWindowRect(app().window(), &before);
    // The rows are as tall as the list's font, so their height shows which
    // font the list has (a font handle cannot be asked for across processes).
    const auto rowHeight = [this] {
        const RECT row = app().RowRect(0, LVIR_BOUNDS);
        return row.bottom - row.top;
    };
    const int rowHeightAt96 = rowHeight();

    const RECT suggested{before.left + 20, before.top + 10, before.left + 20 + scaled(217),
                         before.top + 10 + scaled(326)};
    app().SendDpiChanged(144, suggested);
    RECT after;
    GetWindowRect(app().window(), &after);
    EXPECT_TRUE(EqualRect(&after, &suggested)) << "the window takes the suggested rectangle";
    for (const auto& c : kExpectedControls) {
        SCOPED_TRACE(c.id);
        const RECT rect = ClientRectOf(app().window(), control(c.id));
        EXPECT_EQ(rect.left, scaled(c.rect.left));
        EXPECT_EQ(rect.top, scaled(c.rect.top));
        EXPECT_EQ(rect.right - rect.left, scaled(c.rect.right - c.rect.left));
        EXPECT_EQ(rect.bottom - rect.top, scaled(c.rect.bottom - c.rect.top));
    }
    EXPECT_EQ(SendMessageW(control(kIdToggleList), LVM_GETCOLUMNWIDTH, 0, 0), scaled(70));
    EXPECT_GE(rowHeight(), rowHeightAt96 * 5 / 4) << "a font made for the new scale";

    app().SendDpiChanged(96, before);
    GetWindowRect(app().window(), &after);
    EXPECT_TRUE(EqualRect(&after, &before));
    for (const auto& c : kExpectedControls) {
        const RECT rect = ClientRectOf(app().window(), control(c.id));
        EXPECT_TRUE(EqualRect(&rect, &c.rect)) << "control " << c.id << " back at its place";
    }
    EXPECT_EQ(rowHeight(), rowHeightAt96) << "back to the default GUI font";
}

}  // namespace
}  // namespace quorrith::e2e
