#include "reorder/move_selection.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "listctl/memory_list.h"
#include "plist/plist_document_builder.h"
#include "tests/logic/expected_toggles.h"
#include "ui/recorded_info_message.h"

namespace quorrith {
namespace {

enum class Move { Up, Down };
enum class Outcome { Nothing, Refused, Moved };

struct MoveCase {
    const char* name;
    int rowCount;
    std::vector<int> selected;
    Move move;
    Outcome outcome;
    std::vector<int> labelsAfter;  // original row of each row's label; empty when unchanged
    std::vector<int> selectedAfter;
};

std::vector<int> Swapped(int rowCount, std::vector<std::pair<int, int>> swaps) {
    std::vector<int> order;
    for (int i = 0; i < rowCount; ++i) order.push_back(i);
    for (auto [a, b] : swaps) std::swap(order[a], order[b]);
    return order;
}

std::vector<int> With(int rowCount, int from, std::vector<int> values) {
    std::vector<int> order = Swapped(rowCount, {});
    for (size_t i = 0; i < values.size(); ++i) order[from + i] = values[i];
    return order;
}

std::string Label(int originalRow) { return "label " + std::to_string(originalRow); }

const MoveCase kCases[] = {
    {"nothing selected, up", 16, {}, Move::Up, Outcome::Nothing, {}, {}},
    {"nothing selected, down", 16, {}, Move::Down, Outcome::Nothing, {}, {}},
    {"middle row up", 16, {5}, Move::Up, Outcome::Moved, Swapped(16, {{4, 5}}), {4}},
    {"middle row down", 16, {5}, Move::Down, Outcome::Moved, Swapped(16, {{5, 6}}), {6}},
    {"top row down", 16, {0}, Move::Down, Outcome::Moved, Swapped(16, {{0, 1}}), {1}},
    {"bottom row up", 16, {15}, Move::Up, Outcome::Moved, Swapped(16, {{14, 15}}), {14}},
    {"top row up", 16, {0}, Move::Up, Outcome::Refused, {}, {0}},
    {"bottom row down", 16, {15}, Move::Down, Outcome::Refused, {}, {15}},
    {"only row up", 1, {0}, Move::Up, Outcome::Refused, {}, {0}},
    {"only row down", 1, {0}, Move::Down, Outcome::Refused, {}, {0}},
    {"block 3-5 up", 16, {3, 4, 5}, Move::Up, Outcome::Moved, With(16, 2, {3, 4, 5, 2}), {2, 3, 4}},
    {"block 3-5 down", 16, {3, 4, 5}, Move::Down, Outcome::Moved, With(16, 3, {6, 3, 4, 5}), {4, 5, 6}},
    {"rows 2 and 5 up", 16, {2, 5}, Move::Up, Outcome::Moved, Swapped(16, {{1, 2}, {4, 5}}), {1, 4}},
    {"rows 2 and 5 down", 16, {2, 5}, Move::Down, Outcome::Moved, Swapped(16, {{2, 3}, {5, 6}}), {3, 6}},
    {"block ending at the bottom, up", 5, {3, 4}, Move::Up, Outcome::Moved, With(5, 2, {3, 4, 2}), {2, 3}},
    {"top row among others, up", 16, {0, 7}, Move::Up, Outcome::Refused, {}, {0, 7}},
    {"bottom row among others, down", 16, {3, 15}, Move::Down, Outcome::Refused, {}, {3, 15}},
    {"full selection up", 4, {0, 1, 2, 3}, Move::Up, Outcome::Refused, {}, {0, 1, 2, 3}},
    {"full selection down", 4, {0, 1, 2, 3}, Move::Down, Outcome::Refused, {}, {0, 1, 2, 3}},
};

class MoveSelection : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveSelection, MovesLabelsAndSelectionButNeverTicks) {
    const MoveCase& c = GetParam();
    ResetMemoryList();
    RecordedMessages().clear();
    MemoryList& list = TheMemoryList();
    list.singleSelection = c.selected.size() <= 1;
    // Ticks alternate and row 2 has no box, so moving any of them would show.
    const auto tickIndex = [](int row) { return row == 2 ? 0 : row % 2 + 1; };
    list.rows.resize(static_cast<size_t>(c.rowCount));
    for (int row = 0; row < c.rowCount; ++row) {
        list.rows[row].text = Label(row);
        list.rows[row].stateIndex = tickIndex(row);
    }
    for (const int row : c.selected) list.rows[row].selected = true;

    (c.move == Move::Up ? MoveSelectionUp : MoveSelectionDown)();

    const std::vector<int> labelsAfter = c.labelsAfter.empty() ? Swapped(c.rowCount, {}) : c.labelsAfter;
    for (int row = 0; row < c.rowCount; ++row) {
        EXPECT_EQ(list.rows[row].text, Label(labelsAfter[row])) << "row " << row;
        EXPECT_EQ(list.rows[row].stateIndex, tickIndex(row)) << "tick of row " << row;
    }
    EXPECT_EQ(list.stateWrites, 0);
    EXPECT_EQ(SelectedRows(), c.selectedAfter);

    const std::vector<RecordedMessage> refusal = {
        {std::string(c.move == Move::Up ? "\xB5\xBD\xB6\xA5\xC0\xB2\xA3\xA1"    // 到顶啦！
                                        : "\xB5\xBD\xB5\xD7\xC0\xB2\xA3\xA1"),  // 到底啦！
         "\xCC\xE1\xCA\xBE"}};                                                  // 提示
    EXPECT_EQ(RecordedMessages(),
              c.outcome == Outcome::Refused ? refusal : std::vector<RecordedMessage>{});
    EXPECT_EQ(list.focusListCalls, c.outcome == Outcome::Nothing ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(EdgeCases, MoveSelection, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p) {
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             }
                             return name;
                         });

TEST(MoveSelectionWithBuilder, MovedLabelTakesTheTickOfTheRowItLandsIn) {
    ResetMemoryList();
    RecordedMessages().clear();
    const auto& toggles = test::ExpectedToggles();
    LoadMemoryList({{toggles[0].label, 1}, {toggles[1].label, 1}, {toggles[2].label, 1},
                    {toggles[3].label, 0}});
    SelectRow(3);
    MoveSelectionUp();
    EXPECT_EQ(BuildPlistDocument(),
              test::ExpectedHeader() + test::ExpectedEntryText("wifi", '1') +
                  test::ExpectedEntryText("data", '1') + test::ExpectedEntryText("cleanup", '1') +
                  test::ExpectedEntryText("3g", '0') + test::ExpectedFooter());
}

}  // namespace
}  // namespace quorrith
