#include <windows.h>

#include "ui/gbk_text.h"
#include "ui/info_message.h"

namespace quorrith {

void ShowInfoMessage(std::string_view text, std::string_view caption) {
    // No owner and task-modal: every window of the program is disabled until
    // the box is closed, so no handler can start inside another.
    MessageBoxW(nullptr, WideFromGbk(text).c_str(), WideFromGbk(caption).c_str(),
                MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

}  // namespace quorrith
