#include "plist/plist_document_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listctl/memory_list.h"
#include "tests/logic/expected_toggles.h"

namespace quorrith {
namespace {

using test::ExpectedEntryText;
using test::ExpectedFooter;
using test::ExpectedHeader;
using test::ExpectedToggles;

const std::string kWifi = "WIFI";
const std::string kSleep = "\xCB\xF8\xC6\xC1";  // 锁屏
const std::string kData = "\xCA\xFD\xBE\xDD";   // 数据
const std::string kGps = "GPS";

std::string BuildFrom(const std::vector<std::pair<std::string, StateImage>>& rows) {
    ResetMemoryList();
    LoadMemoryList(rows);
    return BuildPlistDocument();
}

std::vector<std::string> Lines(const std::string& document) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = document.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(document.substr(start, end - start));
    }
    EXPECT_EQ(start, document.size()) << "the document ends with a line feed";
    return lines;
}

TEST(PlistDocumentBuilder, HeaderAndFooterHaveTheirFixedSizes) {
    EXPECT_EQ(kPlistHeader, ExpectedHeader());
    EXPECT_EQ(kPlistHeader.size(), 173u);
    EXPECT_EQ(kPlistFooter.size(), 19u);
}

TEST(PlistDocumentBuilder, EmptyListGivesHeaderThenFooter) {
    const std::string document = BuildFrom({});
    EXPECT_EQ(document, ExpectedHeader() + ExpectedFooter());
    EXPECT_EQ(document.size(), 192u);
    const std::vector<std::string> lines = Lines(document);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[4], "\t");
    EXPECT_EQ(lines[5], "</array>");
    EXPECT_EQ(lines[6], "</plist>");
}

TEST(PlistDocumentBuilder, StartUpListGivesAllSixteenVisibleInCatalogueOrder) {
    std::vector<std::pair<std::string, StateImage>> rows;
    std::string expected = ExpectedHeader();
    for (const auto& toggle : ExpectedToggles()) {
        rows.emplace_back(toggle.label, 1);
        expected += ExpectedEntryText(toggle.stem, '1');
    }
    expected += ExpectedFooter();
    const std::string document = BuildFrom(rows);
    EXPECT_EQ(document, expected);
    EXPECT_EQ(document.size(), 3716u);
    EXPECT_NE(document.find("\t</dict> \n</array>\n</plist>\n"), std::string::npos);
    EXPECT_EQ(document.find("\n\t\n"), std::string::npos) << "no line holds a lone tab";
}

TEST(PlistDocumentBuilder, WorkedExampleLineByLine) {
    const std::vector<std::string> expected = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
        "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">",
        "<plist version=\"1.0\">",
        "<array>",
        "\t<dict>",
        "\t\t<key>Id</key>",
        "\t\t<string>multi_wifi</string>",
        "\t\t<key>Image</key>",
        "\t\t<string>list_multi_wifi.png</string>",
        "\t\t<key>Name</key>",
        "\t\t<string>panel_wifi</string>",
        "\t\t<key>Visible</key>",
        "\t\t<integer>1</integer>",
        "\t</dict>",
        "\t<dict>",
        "\t\t<key>Id</key>",
        "\t\t<string>multi_sleep</string>",
        "\t\t<key>Image</key>",
        "\t\t<string>list_multi_sleep.png</string>",
        "\t\t<key>Name</key>",
        "\t\t<string>panel_sleep</string>",
        "\t\t<key>Visible</key>",
        "\t\t<integer>0</integer>",
        "\t</dict> ",
        "</array>",
        "</plist>",
    };
    EXPECT_EQ(Lines(BuildFrom({{kWifi, 1}, {kSleep, 0}})), expected);
}

TEST(PlistDocumentBuilder, SleepNotLastSharesItsLineWithTheNextEntry) {
    const std::string document = BuildFrom({{kSleep, 1}, {kData, 0}});
    EXPECT_EQ(document, ExpectedHeader() + ExpectedEntryText("sleep", '1') +
                            ExpectedEntryText("data", '0') + ExpectedFooter());
    const std::vector<std::string> lines = Lines(document);
    EXPECT_EQ(lines[13], "\t</dict> <dict>");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], "\t");
    EXPECT_EQ(lines[lines.size() - 2], "</array>");
}

TEST(PlistDocumentBuilder, RowsThatYieldNothing) {
    const std::string longText(600, 'W');
    const std::vector<std::pair<std::string, StateImage>> rows = {
        {kWifi, -1}, {kWifi, 2}, {kSleep, -1}, {"wifi", 1}, {"", 1},      {"", 0},
        {"WIFI ", 0}, {"gps", 0}, {longText, 1}, {kWifi + longText, 1},   {"\xE6\x95\xB0\xE6\x8D\xAE", 1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(BuildFrom({row}), ExpectedHeader() + ExpectedFooter())
            << "text of " << row.first.size() << " bytes, state " << row.second;
    }
    EXPECT_EQ(BuildFrom(rows), ExpectedHeader() + ExpectedFooter());
}

TEST(PlistDocumentBuilder, LongTextsAreComparedWhole) {
    // A label far past 512 bytes into a text is still not a match, and a
    // recognised row after many long ones still counts.
    const std::string document =
        BuildFrom({{std::string(513, 'x'), 1}, {std::string(2000, 'G'), 0}, {kGps, 0}});
    EXPECT_EQ(document, ExpectedHeader() + ExpectedEntryText("gps", '0') + ExpectedFooter());
}

TEST(PlistDocumentBuilder, DuplicatesEachKeepTheirOwnDigit) {
    EXPECT_EQ(BuildFrom({{kGps, 1}, {kWifi, 0}, {kGps, 0}}),
              ExpectedHeader() + ExpectedEntryText("gps", '1') + ExpectedEntryText("wifi", '0') +
                  ExpectedEntryText("gps", '0') + ExpectedFooter());
}

TEST(PlistDocumentBuilder, EntriesFollowRowOrder) {
    const std::string document = BuildFrom({{kGps, 0}, {kWifi, 1}});
    EXPECT_LT(document.find("multi_gps"), document.find("multi_wifi"));
    EXPECT_EQ(document.substr(kPlistHeader.size(), ExpectedEntryText("gps", '0').size()),
              ExpectedEntryText("gps", '0'));
}

TEST(PlistDocumentBuilder, TwoBuildsOfAnUnchangedListAreIdentical) {
    LoadMemoryList({{kSleep, 1}, {kWifi, 0}});
    const std::string first = BuildPlistDocument();
    EXPECT_EQ(BuildPlistDocument(), first);
    EXPECT_EQ(TheMemoryList().rows[0].text, kSleep) << "the builder only reads the list";
}

}  // namespace
}  // namespace quorrith
