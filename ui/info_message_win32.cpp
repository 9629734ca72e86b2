#include <windows.h>

#include "ui/gbk_text.h"
#include "ui/info_message.h"

namespace quorrith {

void ShowInfoMessage(std::string_view text, std::string_view caption) {
    HWND active = GetActiveWindow();
    HWND focus = GetFocus();
    // No owner and task-modal: every window of the program is disabled until
    // the box is closed, so no handler can start inside another.
    MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(caption).c_str(),
                MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
    // The window was disabled while the box was up, so the system may have
    // left nothing active when the box went; take the user back to where they were.
    if (active != nullptr && IsWindow(active) && GetActiveWindow() == nullptr) SetActiveWindow(active);
    if (focus != nullptr && IsWindow(focus)) SetFocus(focus);
}

}  // namespace quorrith
