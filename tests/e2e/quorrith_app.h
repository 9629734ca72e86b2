#pragma once
// Drives a running Quorrith.exe from another process as a user would: real
// mouse clicks and key presses, and reads its state back through the window
// system (list rows through a buffer in the program's own memory).

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace quorrith::e2e {

struct MessageBoxSeen {
    std::wstring caption;
    std::wstring text;
    std::vector<std::wstring> buttons;  // visible buttons' texts
    bool hasIcon = false;
};

class QuorrithApp {
public:
    // Copies the program into `folder` and starts it there; waits for its window.
    explicit QuorrithApp(const std::wstring& folder);
    ~QuorrithApp();
    QuorrithApp(const QuorrithApp&) = delete;
    QuorrithApp& operator=(const QuorrithApp&) = delete;

    HWND window() const { return window_; }
    HWND control(int id) const { return GetDlgItem(window_, id); }
    const std::wstring& folder() const { return folder_; }

    // Input, with the program's window brought to the front first.
    void Click(HWND control);
    void ClickAt(POINT screen);
    void Press(WORD key, bool shift = false, bool alt = false);
    // Lets the program take in what was sent to it.
    void Settle() const;

    // State.
    HWND Focus() const;
    // Activation after a message box settles a little later than the box goes.
    bool WaitForFocus(HWND control, DWORD timeoutMs = 2000) const;
    int RowCount() const;
    std::wstring RowText(int row) const;
    int RowStateImage(int row) const;
    std::vector<int> SelectedRows() const;
    bool Checked(int id) const;
    RECT RowRect(int row, int part) const;  // screen coordinates, LVIR_*
    void ClickRowLabel(int row);
    void ClickRowCheckBox(int row);

    // Tells the window, as the system does when it is moved to a monitor of
    // another scale, that its DPI is now `dpi` and where it should go.
    void SendDpiChanged(UINT dpi, const RECT& suggested);

    // Waits for the program's message box; nullopt when none came in time.
    std::optional<MessageBoxSeen> WaitForMessageBox(DWORD timeoutMs = 5000);
    // Clicks the OK button of the open message box and waits until it is gone.
    void CloseMessageBoxWithOk();
    bool HasMessageBox() const;

    // True once the process has ended (within the time given).
    bool WaitForExit(DWORD timeoutMs = 5000);

private:
    HWND FindMessageBox() const;

    std::wstring folder_;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// The program under test (from QUORRITH_EXE, a Unix or Windows path).
std::wstring ProgramPath();
// Text in code page 936, widened for comparison with what the window shows.
std::wstring Wide(const std::string& gbk);
// Saves the window as it is on screen, as a 24-bit BMP.
void SaveScreenshot(HWND window, const std::wstring& path);

}  // namespace quorrith::e2e
