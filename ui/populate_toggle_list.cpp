#include "ui/populate_toggle_list.h"

#include "catalogue/toggle_catalogue.h"
#include "listctl/toggle_list_control.h"

namespace quorrith {

void PopulateToggleList() {
    for (const ToggleEntry& entry : ToggleCatalogue()) {
        const int row = AppendRow();
        SetRowText(row, 0, entry.label);
        // Check states take only once the row exists.
        SetRowStateImage(row, 1);
    }
}

}  // namespace quorrith
