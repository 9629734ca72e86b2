#include "listctl/memory_list.h"

#include <algorithm>

namespace quorrith {

namespace {

MemoryList gList;

MemoryRow* RowAt(int row) {
    if (row < 0 || row >= static_cast<int>(gList.rows.size())) return nullptr;
    return &gList.rows[static_cast<size_t>(row)];
}

int StateIndexFor(StateImage state) {
    // The list view keeps the index in four bits; anything below -1 means none.
    return state < -1 ? 0 : (state + 1) & 0xF;
}

}  // namespace

MemoryList& TheMemoryList() { return gList; }

void ResetMemoryList() { gList = MemoryList{}; }

void LoadMemoryList(const std::vector<std::pair<std::string, StateImage>>& rows) {
    gList.rows.clear();
    gList.rows.reserve(rows.size());
    for (const auto& [text, state] : rows) {
        MemoryRow row;
        row.text = text;
        row.stateIndex = StateIndexFor(state);
        gList.rows.push_back(std::move(row));
    }
}

int RowCount() { return static_cast<int>(gList.rows.size()); }

int AppendRow() {
    gList.rows.emplace_back();
    return RowCount() - 1;
}

std::string RowText(int row, int column) {
    const MemoryRow* r = RowAt(row);
    if (r == nullptr || column != 0) return {};
    return r->text;
}

void SetRowText(int row, int column, std::string_view text) {
    MemoryRow* r = RowAt(row);
    if (r == nullptr || column != 0) return;
    r->text.assign(text);
}

StateImage RowStateImage(int row) {
    const MemoryRow* r = RowAt(row);
    return (r == nullptr ? 0 : r->stateIndex) - 1;
}

void SetRowStateImage(int row, StateImage state) {
    ++gList.stateWrites;
    if (MemoryRow* r = RowAt(row)) r->stateIndex = StateIndexFor(state);
}

int SelectedRowCount() {
    return static_cast<int>(std::count_if(gList.rows.begin(), gList.rows.end(),
                                          [](const MemoryRow& r) { return r.selected; }));
}

std::vector<int> SelectedRows() {
    std::vector<int> selected;
    for (size_t i = 0; i < gList.rows.size(); ++i) {
        if (gList.rows[i].selected) selected.push_back(static_cast<int>(i));
    }
    return selected;
}

void SelectRow(int row) {
    MemoryRow* r = RowAt(row);
    if (r == nullptr) return;
    if (gList.singleSelection) {
        for (MemoryRow& other : gList.rows) other.selected = false;
    }
    if (MemoryRow* previous = RowAt(gList.focusedRow)) previous->focused = false;
    r->selected = true;
    r->focused = true;
    gList.focusedRow = row;
}

void DeselectRow(int row) {
    if (MemoryRow* r = RowAt(row)) r->selected = false;
}

void FocusList() { ++gList.focusListCalls; }

}  // namespace quorrith
