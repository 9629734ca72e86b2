// Naming toggles on the command line: stems, UTF-8 labels, suggestions, and
// the GBK conversion at the edge.

#include <gtest/gtest.h>

#include <string>

#include "catalogue/toggle_catalogue.h"
#include "cli/text_encoding.h"
#include "cli/toggle_names.h"
#include "tests/logic/expected_toggles.h"

namespace quorrith {
namespace {

// The sixteen labels as a UTF-8 terminal types them, in catalogue order.
const char* const kUtf8Labels[kToggleCount] = {
    "WIFI", "数据", "3G",   "清理", "手电筒", "亮度", "GPS",  "蓝牙",
    "自动锁定", "方向锁", "飞行", "注销", "重启",   "关机", "主屏幕", "锁屏",
};

TEST(TextEncoding, Utf8LabelsConvertToTheCatalogueGbkBytesAndBack) {
    for (size_t i = 0; i < kToggleCount; ++i) {
        SCOPED_TRACE(kUtf8Labels[i]);
        const std::string& gbk = test::ExpectedToggles()[i].label;
        EXPECT_EQ(GbkFromUtf8(kUtf8Labels[i]), gbk);
        EXPECT_EQ(Utf8FromGbk(gbk), kUtf8Labels[i]);
    }
}

TEST(TextEncoding, RefusesWhatCannotBeCarriedOver) {
    EXPECT_EQ(GbkFromUtf8("\xCA\xFD\xBE\xDD"), std::nullopt) << "GBK bytes are not UTF-8";
    EXPECT_EQ(GbkFromUtf8("\xE6\x95"), std::nullopt) << "a cut-off UTF-8 sequence";
    EXPECT_EQ(GbkFromUtf8("\xF0\x9F\x98\x80"), std::nullopt) << "an emoji has no GBK form";
    EXPECT_EQ(Utf8FromGbk("\xCA"), std::nullopt) << "half a GBK character";
}

TEST(ToggleNames, EveryToggleIsFoundByStemAndByUtf8Label) {
    for (size_t i = 0; i < kToggleCount; ++i) {
        const ToggleEntry* entry = &ToggleCatalogue()[i];
        const std::string& stem = test::ExpectedToggles()[i].stem;
        EXPECT_EQ(FindToggleByName(stem), entry) << stem;
        EXPECT_EQ(FindToggleByName(kUtf8Labels[i]), entry) << kUtf8Labels[i];
        EXPECT_EQ(LabelForDisplay(*entry), kUtf8Labels[i]);
    }
}

TEST(ToggleNames, NamesThatAreNoToggle) {
    const struct {
        std::string name;
        const ToggleEntry* expected;
    } cases[] = {
        {"Wifi", &ToggleCatalogue()[0]},            // stems in any ASCII case
        {"FLASHLIGHT", &ToggleCatalogue()[4]},
        {"wifi ", nullptr},                          // nothing is trimmed
        {" 数据", nullptr},
        {"", nullptr},
        {"\xCA\xFD\xBE\xDD", nullptr},               // 数据 as GBK bytes, not UTF-8
        {"數據", nullptr},                            // traditional characters are other characters
        {"multi_wifi", nullptr},
    };
    for (const auto& c : cases) EXPECT_EQ(FindToggleByName(c.name), c.expected) << "[" << c.name << "]";
}

TEST(ToggleNames, SuggestsTheToggleATypoWasAimingAt) {
    const struct {
        const char* typed;
        const char* stem;  // nullptr: no suggestion
    } cases[] = {
        {"gsp", "gps"},           {"wfi", "wifi"},        {"blutooth", "bluetooth"},
        {"FlashLite", "flashlight"}, {"3", "3g"},          {"reboto", "reboot"},
        {"手电", "flashlight"},   {"数剧", "data"},       {"定时", nullptr},
        {"xyzzy", nullptr},       {"上移", nullptr},      {"a", nullptr},
    };
    for (const auto& c : cases) {
        const ToggleEntry* suggestion = ClosestToggle(c.typed);
        if (c.stem == nullptr) {
            EXPECT_EQ(suggestion, nullptr) << c.typed << " -> " << (suggestion ? suggestion->stem : "");
        } else {
            ASSERT_NE(suggestion, nullptr) << c.typed;
            EXPECT_EQ(suggestion->stem, c.stem) << c.typed;
        }
    }
}

TEST(ResolveToggles, EachArgumentIsOneRowInOrderWithItsTick) {
    const ResolvedToggles resolved = ResolveToggles({"-sleep", "蓝牙", "-数据", "WIFI"});
    ASSERT_EQ(resolved.error, "");
    const auto& catalogue = ToggleCatalogue();
    ASSERT_EQ(resolved.rows.size(), 4u);
    EXPECT_EQ(resolved.rows[0].entry, &catalogue[15]);
    EXPECT_FALSE(resolved.rows[0].ticked);
    EXPECT_EQ(resolved.rows[1].entry, &catalogue[7]);
    EXPECT_TRUE(resolved.rows[1].ticked);
    EXPECT_EQ(resolved.rows[2].entry, &catalogue[1]);
    EXPECT_FALSE(resolved.rows[2].ticked);
    EXPECT_EQ(resolved.rows[3].entry, &catalogue[0]);
    EXPECT_TRUE(resolved.rows[3].ticked);
}

TEST(ResolveToggles, ATickDoesNotMakeATogglesSecondRowAllowed) {
    for (const auto& arguments : {std::vector<std::string>{"gps", "-gps"}, {"-数据", "DATA"}, {"wifi", "WIFI"}}) {
        const ResolvedToggles resolved = ResolveToggles(arguments);
        EXPECT_NE(resolved.error.find("named twice"), std::string::npos)
            << arguments[0] << " " << arguments[1] << ": " << resolved.error;
    }
}

}  // namespace
}  // namespace quorrith
