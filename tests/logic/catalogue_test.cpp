#include "catalogue/toggle_catalogue.h"

#include <gtest/gtest.h>

#include "tests/logic/expected_toggles.h"

namespace quorrith {
namespace {

using test::ExpectedToggles;

TEST(ToggleCatalogue, HoldsTheSixteenLabelsAndStemsInOrder) {
    ASSERT_EQ(ToggleCatalogue().size(), 16u);
    for (size_t i = 0; i < 16; ++i) {
        SCOPED_TRACE(ExpectedToggles()[i].stem);
        EXPECT_EQ(ToggleCatalogue()[i].label, ExpectedToggles()[i].label);
        EXPECT_EQ(ToggleCatalogue()[i].stem, ExpectedToggles()[i].stem);
        EXPECT_EQ(FindToggleByLabel(ExpectedToggles()[i].label), &ToggleCatalogue()[i]);
    }
}

TEST(ToggleCatalogue, EntryTextsAreExactForBothDigits) {
    for (size_t i = 0; i < 16; ++i) {
        const auto& expected = ExpectedToggles()[i];
        SCOPED_TRACE(expected.stem);
        for (const char digit : {'1', '0'}) {
            const std::string text = ToggleEntryText(ToggleCatalogue()[i], digit);
            EXPECT_EQ(text, test::ExpectedEntryText(expected.stem, digit));
            EXPECT_EQ(text.size(), expected.entryLength);
            EXPECT_EQ(text.find('\r'), std::string::npos);
            for (const char c : text) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
            const std::string_view tail = i == 15 ? "</dict> " : "</dict>\n\t";
            EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
        }
        std::string one = ToggleEntryText(ToggleCatalogue()[i], '1');
        std::string zero = ToggleEntryText(ToggleCatalogue()[i], '0');
        const size_t digitAt = one.find("<integer>") + 9;
        EXPECT_EQ(one[digitAt], '1');
        zero[digitAt] = '1';
        EXPECT_EQ(one, zero) << "the two texts differ only in the digit";
    }
}

TEST(ToggleCatalogue, WorkedEntryTextsByteForByte) {
    EXPECT_EQ(ToggleEntryText(ToggleCatalogue()[0], '1'),
              "<dict>\n\t\t<key>Id</key>\n\t\t<string>multi_wifi</string>\n\t\t<key>Image</key>\n"
              "\t\t<string>list_multi_wifi.png</string>\n\t\t<key>Name</key>\n"
              "\t\t<string>panel_wifi</string>\n\t\t<key>Visible</key>\n"
              "\t\t<integer>1</integer>\n\t</dict>\n\t");
    EXPECT_EQ(ToggleEntryText(ToggleCatalogue()[15], '0'),
              "<dict>\n\t\t<key>Id</key>\n\t\t<string>multi_sleep</string>\n\t\t<key>Image</key>\n"
              "\t\t<string>list_multi_sleep.png</string>\n\t\t<key>Name</key>\n"
              "\t\t<string>panel_sleep</string>\n\t\t<key>Visible</key>\n"
              "\t\t<integer>0</integer>\n\t</dict> ");
}

TEST(ToggleCatalogue, LookupsThatMustFail) {
    const std::string_view misses[] = {
        "wifi", "gps", "3g", "", std::string_view{}, "WIFI ", " WIFI", "WIFI\n",
        "\xE6\x95\xB0\xE6\x8D\xAE",  // 数据 in UTF-8
        "\xCA\xFD\xBE",               // 数据 cut short
        std::string_view("\xCA\xFD\xBE\xDD\0", 5),  // with a trailing zero byte inside the text
        "sleep",
    };
    for (const std::string_view text : misses) {
        EXPECT_EQ(FindToggleByLabel(text), nullptr) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace quorrith
