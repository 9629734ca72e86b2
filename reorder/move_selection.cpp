#include "reorder/move_selection.h"

#include <algorithm>
#include <string>
#include <vector>

#include "listctl/toggle_list_control.h"
#include "ui/info_message.h"

namespace quorrith {

namespace {

enum class Direction { Up, Down };

bool IsExtremeRow(int row, Direction direction) {
    // The row count is read at each check, as the list is the only store.
    return direction == Direction::Up ? row == 0 : row == RowCount() - 1;
}

void MoveSelection(Direction direction) {
    if (SelectedRowCount() == 0) return;

    // Up walks the rows top-down and down walks them bottom-up, so an extreme
    // row, when selected, comes first and refuses the command before anything
    // has changed, and a block of adjacent rows moves as one.
    std::vector<int> rows = SelectedRows();
    if (direction == Direction::Up) {
        std::sort(rows.begin(), rows.end());
    } else {
        std::sort(rows.begin(), rows.end(), std::greater<int>());
    }
    const int step = direction == Direction::Up ? -1 : 1;

    for (const int row : rows) {
        if (IsExtremeRow(row, direction)) {
            ShowInfoMessage(direction == Direction::Up ? kTopReachedText : kBottomReachedText,
                            kMoveRefusalCaption);
            FocusList();
            return;
        }
        const int neighbour = row + step;
        std::string held = RowText(row, 0);
        SetRowText(row, 0, RowText(neighbour, 0));
        SetRowText(neighbour, 0, held);
    }
    for (const int row : rows) {
        DeselectRow(row);
        SelectRow(row + step);
    }
    FocusList();
}

}  // namespace

void MoveSelectionUp() { MoveSelection(Direction::Up); }

void MoveSelectionDown() { MoveSelection(Direction::Down); }

}  // namespace quorrith
