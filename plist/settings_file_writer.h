#pragma once
// Writes the document as the settings file of the chosen edition, beside the
// program, and tells the user how that went.

#include <string_view>

#include "plist/edition.h"

namespace quorrith {

// One attempt, one message box ("信息"); returns once the user has closed it.
void WriteSettingsFile(std::string_view document, Edition edition);

}  // namespace quorrith
