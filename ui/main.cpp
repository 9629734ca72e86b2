// Start-up: fix the program folder, create the window with its filled list,
// show it and run the message loop until it is closed.

#include <windows.h>
#include <commctrl.h>

#include "plist/program_directory.h"
#include "ui/main_window.h"
#include "ui/system_function.h"

namespace {

// DLLs that are loaded later come from the system folder only (Windows 7
// has the call only with an update installed).
void LoadDllsFromTheSystemFolderOnly() {
    const auto set = quorrith::SystemFunction<BOOL(WINAPI*)(DWORD)>(L"kernel32.dll", "SetDefaultDllDirectories");
    if (set != nullptr) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    LoadDllsFromTheSystemFolderOnly();

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    quorrith::InitProgramDirectory();

    HWND window = quorrith::CreateMainWindow(instance);
    if (window == nullptr) return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    MSG message;
    while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (quorrith::HandleMainWindowKey(window, message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
