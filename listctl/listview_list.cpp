// The toggle list over a Win32 list view in report view with check boxes.

#include "listctl/listview_list.h"

#include <commctrl.h>

#include "listctl/toggle_list_control.h"
#include "ui/gbk_text.h"

namespace quorrith {

namespace {

HWND gListView = nullptr;

LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(gListView, message, wParam, lParam);
}

void SetState(int row, UINT mask, UINT state) {
    LVITEMW item{};
    item.stateMask = mask;
    item.state = state;
    Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void AttachToggleListView(HWND listView) { gListView = listView; }

HWND ToggleListView() { return gListView; }

int RowCount() { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }

int AppendRow() {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = RowCount();
    item.pszText = const_cast<wchar_t*>(L"");
    return static_cast<int>(Send(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

std::string RowText(int row, int column) {
    if (column != 0 || row < 0 || row >= RowCount()) return {};
    // The list view copies at most the buffer's size and says how much it
    // copied; a text that filled the buffer may have been cut, so grow and ask again.
    std::wstring buffer(256, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto copied = static_cast<size_t>(
            Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < buffer.size()) {
            buffer.resize(copied);
            return GbkFromWide(buffer);
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

void SetRowText(int row, int column, std::string_view text) {
    if (column != 0 || row < 0) return;
    std::wstring wide = WideFromGbk(text);
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = wide.data();
    Send(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

StateImage RowStateImage(int row) {
    const auto state = static_cast<UINT>(Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
    return static_cast<StateImage>((state & LVIS_STATEIMAGEMASK) >> 12) - 1;
}

void SetRowStateImage(int row, StateImage state) {
    const UINT index = state < -1 ? 0 : static_cast<UINT>(state + 1) & 0xF;
    SetState(row, LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(index));
}

int SelectedRowCount() { return static_cast<int>(Send(LVM_GETSELECTEDCOUNT)); }

std::vector<int> SelectedRows() {
    std::vector<int> rows;
    for (int row = -1;;) {
        row = static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
        if (row < 0) return rows;
        rows.push_back(row);
    }
}

void SelectRow(int row) {
    if (row < 0) return;
    SetState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void DeselectRow(int row) {
    if (row < 0) return;
    SetState(row, LVIS_SELECTED, 0);
}

void FocusList() { SetFocus(gListView); }

}  // namespace quorrith
