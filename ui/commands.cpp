#include "ui/commands.h"

#include <string>

#include "catalogue/toggle_catalogue.h"
#include "listctl/toggle_list_control.h"
#include "plist/edition.h"
#include "plist/plist_document_builder.h"
#include "plist/settings_file_writer.h"
#include "reorder/move_selection.h"

namespace quorrith {

void PopulateToggleList() {
    for (const ToggleEntry& entry : ToggleCatalogue()) {
        const int row = AppendRow();
        SetRowText(row, 0, entry.label);
        // Check states take only once the row exists.
        SetRowStateImage(row, 1);
    }
}

void GeneratePlist(HWND notificationRadio) {
    const std::string document = BuildPlistDocument();
    // The edition is read from the control at this moment; nothing keeps a copy.
    const Edition edition = CurrentEdition(SendMessageW(notificationRadio, BM_GETCHECK, 0, 0));
    WriteSettingsFile(document, edition);
}

void OnMoveUpClicked() { MoveSelectionUp(); }

void OnMoveDownClicked() { MoveSelectionDown(); }

}  // namespace quorrith
