#pragma once
// What the handlers use of the toggle list. Plain functions, so the same
// builder and moves run against the real list view in the program and against
// an in-memory list in the host tests; the build links exactly one of them.

#include <string>
#include <string_view>
#include <vector>

namespace quorrith {

// A row's tick: 1 ticked, 0 unticked, -1 no check box.
using StateImage = int;

int RowCount();
// Adds a row with empty text at the end and returns its index.
int AppendRow();
// The whole text of a cell, any length. An empty cell, and any column other
// than 0, reads as the empty string (the absent text).
std::string RowText(int row, int column);
// Only column 0 exists; writes to other columns change nothing.
void SetRowText(int row, int column, std::string_view text);
StateImage RowStateImage(int row);
// 1 ticks, 0 unticks, -1 (or anything below) removes the box.
void SetRowStateImage(int row, StateImage state);
int SelectedRowCount();
// Selected rows in ascending order.
std::vector<int> SelectedRows();
// Selects the row and makes it the focused row; a single-selection list drops
// any other selection. Negative rows are ignored.
void SelectRow(int row);
// Clears the selection of the row only; negative rows are ignored.
void DeselectRow(int row);
// Gives the keyboard focus to the list.
void FocusList();

}  // namespace quorrith
