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

}  // namespace
}  // namespace quorrith::e2e
