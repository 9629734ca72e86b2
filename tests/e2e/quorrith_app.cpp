#include "tests/e2e/quorrith_app.h"

#include <commctrl.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "tests/windows/test_folder.h"
#include "ui/control_ids.h"

namespace quorrith::e2e {

namespace {

template <typename Predicate>
bool WaitUntil(Predicate predicate, DWORD timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!predicate()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

HWND FindTopLevel(DWORD processId, const wchar_t* className) {
    WindowSearch search{processId, className, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<WindowSearch*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner == s->processId && wcscmp(name, s->className) == 0 && IsWindowVisible(window)) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[1024] = {};
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
    return buffer;
}

// A block of memory inside the program, for list-view messages that pass pointers.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {
        if (address_ == nullptr) throw std::runtime_error("VirtualAllocEx failed");
    }
    ~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* at(size_t offset) const { return static_cast<char*>(address_) + offset; }
    void Write(size_t offset, const void* data, size_t size) const {
        WriteProcessMemory(process_, at(offset), data, size, nullptr);
    }
    void Read(size_t offset, void* data, size_t size) const {
        ReadProcessMemory(process_, at(offset), data, size, nullptr);
    }

private:
    HANDLE process_;
    void* address_;
};

void SendInputs(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

// The driver reads and clicks in physical pixels, whatever the display scale.
const bool kDpiAware = [] {
    using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    const auto set = reinterpret_cast<SetContext>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
    return set != nullptr ? set(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2) != 0 : SetProcessDPIAware() != 0;
}();

}  // namespace

std::wstring ProgramPath() {
    wchar_t buffer[4096] = {};
    const DWORD length = GetEnvironmentVariableW(L"QUORRITH_EXE", buffer, 4096);
    if (length == 0 || length >= 4096) throw std::runtime_error("QUORRITH_EXE is not set");
    std::wstring path(buffer, length);
    if (!path.empty() && path[0] == L'/') {  // a Unix path: Wine's Z: drive shows the whole file system
        for (wchar_t& c : path) c = c == L'/' ? L'\\' : c;
        path = L"Z:" + path;
    }
    return path;
}

std::wstring Wide(const std::string& gbk) {
    const int size = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), size);
    return wide;
}

QuorrithApp::QuorrithApp(const std::wstring& folder) : folder_(folder) {
    const std::wstring exe = L"\\\\?\\" + folder + L"\\Quorrith.exe";
    if (!CopyFileW(ProgramPath().c_str(), exe.c_str(), FALSE)) throw std::runtime_error("cannot copy the program: error " + std::to_string(GetLastError()));
    std::wstring commandLine = L"\"" + folder + L"\\Quorrith.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        throw std::runtime_error("cannot start the program: error " + std::to_string(GetLastError()) + " for " + test::Utf8(exe));
    }
    WaitForInputIdle(process_.hProcess, 10000);
    WaitUntil([&] { return (window_ = FindTopLevel(process_.dwProcessId, kMainWindowClass)) != nullptr; }, 10000);
    if (window_ == nullptr) throw std::runtime_error("the program's window did not appear");
    Settle();
}

QuorrithApp::~QuorrithApp() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        while (HWND box = FindMessageBox()) PostMessageW(box, WM_COMMAND, IDOK, 0), Sleep(50);
        PostMessageW(window_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 5000) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

void QuorrithApp::Settle() const {
    for (int i = 0; i < 3; ++i) {
        SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
        Sleep(60);
    }
}

void QuorrithApp::ClickAt(POINT screen) {
    if (!HasMessageBox()) SetForegroundWindow(window_);
    // The position travels with the click itself, so the press cannot land
    // where the pointer was before.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65535, width - 1);
    input.mi.dy = MulDiv(screen.y, 65535, height - 1);
    std::vector<INPUT> inputs;
    for (const DWORD flags : {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
        input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
        inputs.push_back(input);
    }
    SendInputs(inputs);
    Settle();
}

void QuorrithApp::Click(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void QuorrithApp::Press(WORD key, bool shift, bool alt) {
    if (!HasMessageBox()) SetForegroundWindow(window_);
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    if (alt) inputs.push_back(KeyInput(VK_MENU, false));
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
    if (alt) inputs.push_back(KeyInput(VK_MENU, true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
    SendInputs(inputs);
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) Settle();
}

HWND QuorrithApp::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
}

bool QuorrithApp::WaitForFocus(HWND control, DWORD timeoutMs) const {
    return WaitUntil([&] { return Focus() == control; }, timeoutMs);
}

int QuorrithApp::RowCount() const {
    return static_cast<int>(SendMessageW(control(kIdToggleList), LVM_GETITEMCOUNT, 0, 0));
}

std::wstring QuorrithApp::RowText(int row) const {
    constexpr size_t kChars = 2048;
    RemoteBuffer buffer(process_.hProcess, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = reinterpret_cast<wchar_t*>(buffer.at(sizeof(LVITEMW)));
    item.cchTextMax = kChars;
    buffer.Write(0, &item, sizeof item);
    const auto length = static_cast<size_t>(SendMessageW(control(kIdToggleList), LVM_GETITEMTEXTW, row,
                                                         reinterpret_cast<LPARAM>(buffer.at(0))));
    std::wstring text(length, L'\0');
    buffer.Read(sizeof(LVITEMW), text.data(), length * sizeof(wchar_t));
    return text;
}

int QuorrithApp::RowStateImage(int row) const {
    const auto state = static_cast<UINT>(
        SendMessageW(control(kIdToggleList), LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
    return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12) - 1;
}

std::vector<int> QuorrithApp::SelectedRows() const {
    std::vector<int> rows;
    for (int row = -1;;) {
        row = static_cast<int>(SendMessageW(control(kIdToggleList), LVM_GETNEXTITEM, row, LVNI_SELECTED));
        if (row < 0) return rows;
        rows.push_back(row);
    }
}

bool QuorrithApp::Checked(int id) const { return SendMessageW(control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

RECT QuorrithApp::RowRect(int row, int part) const {
    RemoteBuffer buffer(process_.hProcess, sizeof(RECT));
    RECT rect{};
    rect.left = part;
    buffer.Write(0, &rect, sizeof rect);
    SendMessageW(control(kIdToggleList), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(buffer.at(0)));
    buffer.Read(0, &rect, sizeof rect);
    MapWindowPoints(control(kIdToggleList), nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void QuorrithApp::ClickRowLabel(int row) {
    const RECT label = RowRect(row, LVIR_LABEL);
    ClickAt({label.left + 8, (label.top + label.bottom) / 2});
}

void QuorrithApp::ClickRowCheckBox(int row) {
    // The check box sits between the row's left edge and its label.
    const RECT bounds = RowRect(row, LVIR_BOUNDS);
    const RECT label = RowRect(row, LVIR_LABEL);
    ClickAt({(bounds.left + label.left) / 2, (label.top + label.bottom) / 2});
}

void QuorrithApp::SendDpiChanged(UINT dpi, const RECT& suggested) {
    RemoteBuffer buffer(process_.hProcess, sizeof(RECT));
    buffer.Write(0, &suggested, sizeof suggested);
    SendMessageW(window_, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(buffer.at(0)));
    Settle();
}

HWND QuorrithApp::FindMessageBox() const { return FindTopLevel(process_.dwProcessId, L"#32770"); }

bool QuorrithApp::HasMessageBox() const { return FindMessageBox() != nullptr; }

std::optional<MessageBoxSeen> QuorrithApp::WaitForMessageBox(DWORD timeoutMs) {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindMessageBox()) != nullptr; }, timeoutMs)) return std::nullopt;
    Settle();
    MessageBoxSeen seen;
    seen.caption = WindowText(box);
    seen.text = WindowText(GetDlgItem(box, 0xFFFF));
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        if (!IsWindowVisible(child)) continue;
        if (_wcsicmp(name, L"Button") == 0) seen.buttons.push_back(WindowText(child));
        if (_wcsicmp(name, L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.hasIcon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
        }
    }
    return seen;
}

void QuorrithApp::CloseMessageBoxWithOk() {
    HWND box = FindMessageBox();
    if (box == nullptr) return;
    // As a user would: make sure the box is in front, click OK, and click
    // again if the first click only brought it to the front.
    for (int attempt = 0; attempt < 2 && HasMessageBox(); ++attempt) {
        SetForegroundWindow(box);
        WaitUntil([&] { return GetForegroundWindow() == box; }, 1000);
        Click(GetDlgItem(box, IDOK));
        WaitUntil([&] { return !HasMessageBox(); }, 3000);
    }
    Settle();
}

bool QuorrithApp::WaitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

// Saves the window as it is on screen, as a 24-bit BMP, for the README.
void SaveScreenshot(HWND window, const std::wstring& path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD imageSize = static_cast<DWORD>(((width * 3 + 3) & ~3) * height);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + imageSize),
                          0, 0, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))};
    HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
    WriteFile(out, bits, imageSize, &written, nullptr);
    CloseHandle(out);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace quorrith::e2e
