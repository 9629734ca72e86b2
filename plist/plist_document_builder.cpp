#include "plist/plist_document_builder.h"

#include "catalogue/toggle_catalogue.h"
#include "listctl/toggle_list_control.h"

namespace quorrith {

namespace {

// Entry texts run from 207 to 231 bytes.
constexpr size_t kLongestEntryText = 231;

}  // namespace

std::string BuildPlistDocument() {
    const int rowCount = RowCount();

    std::string document;
    document.reserve(kPlistHeader.size() + kPlistFooter.size() +
                     static_cast<size_t>(rowCount > 0 ? rowCount : 0) * kLongestEntryText);
    document += kPlistHeader;
    for (int row = 0; row < rowCount; ++row) {
        const StateImage state = RowStateImage(row);
        if (state != 1 && state != 0) continue;
        // The text and the tick of a row cannot change during the build, so
        // each is read once per row.
        const ToggleEntry* entry = FindToggleByLabel(RowText(row, 0));
        if (entry == nullptr) continue;
        AppendToggleEntryText(document, *entry, state == 1 ? '1' : '0');
    }
    document += kPlistFooter;
    return document;
}

}  // namespace quorrith
