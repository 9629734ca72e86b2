#pragma once
// What the window's events run.

#include <windows.h>

namespace quorrith {

// Fills the empty list with the sixteen toggles in catalogue order, all ticked.
void PopulateToggleList();
// Builds the document, reads the edition from 单选框2 and writes the file.
void GeneratePlist(HWND notificationRadio);
void OnMoveUpClicked();
void OnMoveDownClicked();

}  // namespace quorrith
