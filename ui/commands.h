#pragma once
// What the generate button runs.

#include <windows.h>

namespace quorrith {

// Builds the document, reads the edition from 单选框2 and writes the file.
void GeneratePlist(HWND notificationRadio);

}  // namespace quorrith
