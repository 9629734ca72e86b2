#include "ui/commands.h"

#include <string>

#include "plist/edition.h"
#include "plist/plist_document_builder.h"
#include "plist/settings_file_writer.h"

namespace quorrith {

void GeneratePlist(HWND notificationRadio) {
    const std::string document = BuildPlistDocument();
    // The edition is read from the control at this moment; nothing keeps a copy.
    const Edition edition = CurrentEdition(SendMessageW(notificationRadio, BM_GETCHECK, 0, 0));
    WriteSettingsFile(document, edition);
}

}  // namespace quorrith
