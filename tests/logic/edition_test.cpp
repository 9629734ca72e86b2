#include "plist/edition.h"

#include <gtest/gtest.h>

namespace quorrith {
namespace {

TEST(Edition, OnlyACheckedButtonMeansNotificationCentre) {
    EXPECT_EQ(CurrentEdition(1), Edition::NotificationCenter);  // BST_CHECKED
    for (const long long other : {0LL, 2LL, 4LL, -1LL}) {       // unchecked, indeterminate, pushed, error
        EXPECT_EQ(CurrentEdition(other), Edition::TapBattery) << other;
    }
}

TEST(Edition, FileNamePiecesStartWithOneBackslash) {
    EXPECT_EQ(SettingsFileName(Edition::NotificationCenter), "\\WeeWindowListSetting.plist");
    EXPECT_EQ(SettingsFileName(Edition::NotificationCenter).size(), 27u);
    EXPECT_EQ(SettingsFileName(Edition::TapBattery), "\\PanelWindowListSetting.plist");
    EXPECT_EQ(SettingsFileName(Edition::TapBattery).size(), 29u);
}

TEST(Edition, ResultMessagesAreTheFixedGbkTexts) {
    EXPECT_EQ(kResultCaption, "\xD0\xC5\xCF\xA2");
    EXPECT_EQ(kSuccessText.size(), 73u);
    EXPECT_EQ(kSuccessText.substr(12, 2), "\r\n");
    EXPECT_EQ(kSuccessText.substr(kSuccessText.size() - 34), "/var/mobile/Library/kBatteryDoctor");
    EXPECT_EQ(kFailureText.size(), 24u);
    EXPECT_EQ(kFailureText.substr(12, 2), "\xA3\xAC") << "full-width comma";
}

}  // namespace
}  // namespace quorrith
