// The in-memory list: the contract hooks, and what only it offers the tests.

#include "listctl/memory_list.h"

#include <gtest/gtest.h>

#include "tests/listctl/list_under_test.h"

namespace quorrith {

namespace test {
void ResetListUnderTest() { ResetMemoryList(); }
bool ListHasKeyboardFocus() { return TheMemoryList().focusListCalls > 0; }
}  // namespace test

namespace {

TEST(MemoryList, SeveralRowsStaySelectedWhenSingleSelectionIsOff) {
    ResetMemoryList();
    LoadMemoryList({{"a", 1}, {"b", 1}, {"c", 1}, {"d", 1}});
    TheMemoryList().singleSelection = false;
    SelectRow(3);
    SelectRow(1);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 3}));
    EXPECT_EQ(SelectedRowCount(), 2);
}

TEST(MemoryList, SelectRowMovesTheFocusedRowAndDeselectKeepsIt) {
    ResetMemoryList();
    LoadMemoryList({{"a", 1}, {"b", 1}, {"c", 1}});
    SelectRow(0);
    SelectRow(2);
    EXPECT_FALSE(TheMemoryList().rows[0].focused);
    EXPECT_TRUE(TheMemoryList().rows[2].focused);
    DeselectRow(2);
    EXPECT_TRUE(TheMemoryList().rows[2].focused);
    EXPECT_FALSE(TheMemoryList().rows[2].selected);
}

TEST(MemoryList, RowsOutsideTheListReadAsAbsent) {
    ResetMemoryList();
    LoadMemoryList({{"a", 1}});
    EXPECT_EQ(RowText(1, 0), "");
    EXPECT_EQ(RowText(-1, 0), "");
    EXPECT_EQ(RowStateImage(5), -1);
    SetRowText(4, 0, "x");
    SelectRow(4);
    EXPECT_EQ(RowCount(), 1);
    EXPECT_EQ(SelectedRowCount(), 0);
}

}  // namespace
}  // namespace quorrith
