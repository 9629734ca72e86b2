#pragma once
// The in-memory toggle list behind the host tests, the command-line tool and
// the benchmarks. Tests may reach in to set several selected rows at once.

#include <string>
#include <vector>

#include "listctl/toggle_list_control.h"

namespace quorrith {

struct MemoryRow {
    std::string text;
    int stateIndex = 0;  // as the list view stores it: StateImage + 1
    bool selected = false;
    bool focused = false;
};

struct MemoryList {
    std::vector<MemoryRow> rows;
    // Like LVS_SINGLESEL: SelectRow drops every other selection. Tests that
    // need several selected rows switch this off.
    bool singleSelection = true;
    int focusedRow = -1;  // where SelectRow last put the focus
    int focusListCalls = 0;
    int stateWrites = 0;
};

MemoryList& TheMemoryList();
// Empties the list and restores its defaults.
void ResetMemoryList();
// Replaces the rows: texts with their ticks (StateImage values).
void LoadMemoryList(const std::vector<std::pair<std::string, StateImage>>& rows);

}  // namespace quorrith
