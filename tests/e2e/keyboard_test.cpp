// The keyboard: the Tab cycle, arrows between the editions, Esc and Alt+F4.

#include "tests/e2e/e2e_fixture.h"

namespace quorrith::e2e {
namespace {

using Keyboard = E2ETest;

TEST_F(Keyboard, TabAndShiftTabCycleThroughTheButtonsOnly) {
    const int cycle[] = {kIdGenerate, kIdMoveUp, kIdMoveDown, kIdRadioNotification, kIdRadioTapBattery, kIdGenerate};
    ASSERT_EQ(app().Focus(), control(kIdGenerate));
    for (size_t i = 1; i < std::size(cycle); ++i) {
        app().Press(VK_TAB);
        EXPECT_EQ(app().Focus(), control(cycle[i])) << "Tab step " << i;
    }
    for (size_t i = std::size(cycle) - 1; i-- > 0;) {
        app().Press(VK_TAB, true);
        EXPECT_EQ(app().Focus(), control(cycle[i])) << "Shift+Tab back to step " << i;
    }
    EXPECT_TRUE(app().Checked(kIdRadioNotification)) << "Tab does not choose an edition";
    EXPECT_FALSE(app().Checked(kIdRadioTapBattery));
}

TEST_F(Keyboard, TabLeavesTheListForTheEndsOfTheCycle) {
    app().ClickRowLabel(4);
    ASSERT_EQ(app().Focus(), control(kIdToggleList));
    app().Press(VK_TAB);
    EXPECT_EQ(app().Focus(), control(kIdGenerate));
    app().ClickRowLabel(4);
    app().Press(VK_TAB, true);
    EXPECT_EQ(app().Focus(), control(kIdRadioTapBattery));
}

TEST_F(Keyboard, ArrowsMoveBetweenTheEditionButtons) {
    for (int i = 0; i < 3; ++i) app().Press(VK_TAB);
    ASSERT_EQ(app().Focus(), control(kIdRadioNotification));
    const struct {
        WORD key;
        int selected;
    } steps[] = {{VK_DOWN, kIdRadioTapBattery}, {VK_UP, kIdRadioNotification}, {VK_RIGHT, kIdRadioTapBattery},
                 {VK_LEFT, kIdRadioNotification}};
    for (const auto& step : steps) {
        app().Press(step.key);
        EXPECT_EQ(app().Focus(), control(step.selected));
        EXPECT_TRUE(app().Checked(step.selected));
        EXPECT_FALSE(app().Checked(step.selected == kIdRadioNotification ? kIdRadioTapBattery : kIdRadioNotification));
    }
}

TEST_F(Keyboard, EscapeClosesFromTheButton) {
    app().Press(VK_ESCAPE);
    EXPECT_TRUE(app().WaitForExit());
}

TEST_F(Keyboard, EscapeClosesFromTheList) {
    app().ClickRowLabel(1);
    ASSERT_EQ(app().Focus(), control(kIdToggleList));
    app().Press(VK_ESCAPE);
    EXPECT_TRUE(app().WaitForExit());
}

TEST_F(Keyboard, EscapeClosesFromAnEditionButton) {
    app().Click(control(kIdRadioTapBattery));
    ASSERT_EQ(app().Focus(), control(kIdRadioTapBattery));
    app().Press(VK_ESCAPE);
    EXPECT_TRUE(app().WaitForExit());
}

TEST_F(Keyboard, AltF4Closes) {
    app().Press(VK_F4, false, true);
    EXPECT_TRUE(app().WaitForExit());
    EXPECT_FALSE(test::ReadBytes(FileIn(kNotificationFile)).has_value()) << "nothing is saved on closing";
}

}  // namespace
}  // namespace quorrith::e2e
