// What the builder and the moves rely on from the toggle list, checked the same
// way against every implementation.

#include <gtest/gtest.h>

#include <string>

#include "listctl/toggle_list_control.h"
#include "tests/listctl/list_under_test.h"

namespace quorrith {
namespace {

class ListContract : public ::testing::Test {
protected:
    void SetUp() override { test::ResetListUnderTest(); }

    void AddRows(int count) {
        for (int i = 0; i < count; ++i) {
            const int row = AppendRow();
            SetRowText(row, 0, "row" + std::to_string(row));
            SetRowStateImage(row, 1);
        }
    }
};

TEST_F(ListContract, AppendRowAddsAnEmptyRowAtTheEnd) {
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(AppendRow(), 0);
    EXPECT_EQ(AppendRow(), 1);
    EXPECT_EQ(RowCount(), 2);
    EXPECT_EQ(RowText(1, 0), "");
}

TEST_F(ListContract, TextsReadBackWholeAndByteForByte) {
    const std::string texts[] = {
        "WIFI",
        "\xD7\xD4\xB6\xAF\xCB\xF8\xB6\xA8",  // 自动锁定
        "\x81\x5C\x81\x5C",                  // GBK characters whose second byte is a backslash
        std::string(600, 'A'),
        std::string(700, 'x') + "\xCB\xF8\xC6\xC1",  // long text ending in 锁屏
        std::string(5000, 'z'),
        "",
    };
    for (const std::string& text : texts) {
        const int row = AppendRow();
        SetRowText(row, 0, text);
    }
    for (size_t i = 0; i < std::size(texts); ++i) {
        EXPECT_EQ(RowText(static_cast<int>(i), 0), texts[i]) << "row " << i;
    }
}

TEST_F(ListContract, OnlyColumnZeroHoldsText) {
    AddRows(1);
    SetRowText(0, 1, "other");
    EXPECT_EQ(RowText(0, 1), "");
    EXPECT_EQ(RowText(0, 0), "row0");
    SetRowText(0, 0, "");
    EXPECT_EQ(RowText(0, 0), "");
}

TEST_F(ListContract, StateImagesReadBackAsWritten) {
    const struct {
        StateImage written;
        StateImage read;
    } cases[] = {{1, 1}, {0, 0}, {-1, -1}, {-7, -1}, {2, 2}};
    for (const auto& c : cases) {
        const int row = AppendRow();
        SetRowStateImage(row, c.written);
        EXPECT_EQ(RowStateImage(row), c.read) << "written " << c.written;
    }
}

TEST_F(ListContract, SelectionIsSingleAndInAscendingOrder) {
    AddRows(6);
    EXPECT_EQ(SelectedRowCount(), 0);
    EXPECT_TRUE(SelectedRows().empty());

    SelectRow(3);
    EXPECT_EQ(SelectedRowCount(), 1);
    EXPECT_EQ(SelectedRows(), std::vector<int>{3});

    SelectRow(5);
    EXPECT_EQ(SelectedRows(), std::vector<int>{5});

    SelectRow(-1);
    DeselectRow(-1);
    EXPECT_EQ(SelectedRows(), std::vector<int>{5});

    DeselectRow(5);
    EXPECT_EQ(SelectedRowCount(), 0);
    EXPECT_TRUE(SelectedRows().empty());
}

TEST_F(ListContract, SelectionAndTextsLeaveTicksAlone) {
    AddRows(3);
    SetRowStateImage(1, 0);
    SelectRow(1);
    SetRowText(1, 0, "changed");
    DeselectRow(1);
    EXPECT_EQ(RowStateImage(0), 1);
    EXPECT_EQ(RowStateImage(1), 0);
    EXPECT_EQ(RowStateImage(2), 1);
}

TEST_F(ListContract, FocusListGivesTheListTheKeyboardFocus) {
    AddRows(2);
    FocusList();
    EXPECT_TRUE(test::ListHasKeyboardFocus());
}

}  // namespace
}  // namespace quorrith
