// Starts window programs one after another under the same conditions and
// measures them from the outside, as a user would see them:
//
//   bench_harness startup ROUNDS WARMUPS EXE CLASS [EXE CLASS ...]
//     Each round starts every program in turn, times it from CreateProcessW
//     until its top-level window of CLASS is visible and its message loop is
//     idle, reads its peak working set, then closes it with WM_CLOSE.
//     Prints: startup PROGRAM ROUND MILLISECONDS PEAK_WORKING_SET_BYTES
//
//   bench_harness generate ROUNDS WARMUPS BUTTON_ID FILE EXE CLASS [EXE CLASS ...]
//     Starts every program once, then each round clicks BUTTON_ID in every
//     program in turn and times it until that process shows a message box.
//     The box is closed and FILE (beside the program) is read and deleted.
//     Prints: generate PROGRAM ROUND MILLISECONDS FILE_BYTES SAME_BYTES_AS_FIRST
//
// The first WARMUPS rounds (first start-ups after the wineserver comes up,
// first message boxes) are run but not printed.
// PROGRAM is the 0-based position on the command line. Raw figures only; the
// medians and ratios are worked out by the caller.

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Program {
    std::wstring exe;  // full path
    std::wstring windowClass;
};

struct Running {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

constexpr DWORD kTimeoutMs = 30000;

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

[[noreturn]] void Fail(const char* what, const std::wstring& exe) {
    std::fprintf(stderr, "bench_harness: %s: %ls (error %lu)\n", what, exe.c_str(), GetLastError());
    std::exit(1);
}

struct WindowQuery {
    DWORD processId;
    const wchar_t* windowClass;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* query = reinterpret_cast<WindowQuery*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != query->processId || !IsWindowVisible(window)) return TRUE;
    wchar_t name[64];
    if (GetClassNameW(window, name, 64) == 0 || lstrcmpW(name, query->windowClass) != 0) return TRUE;
    query->found = window;
    return FALSE;
}

// Polls for a visible top-level window of the class owned by the process,
// about once a millisecond. Null if the process ends or time runs out.
HWND WaitForVisibleWindow(const PROCESS_INFORMATION& process, const wchar_t* windowClass) {
    const double deadline = NowMs() + kTimeoutMs;
    for (;;) {
        WindowQuery query{process.dwProcessId, windowClass, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
        if (query.found != nullptr) return query.found;
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0 || NowMs() > deadline) return nullptr;
    }
}

// True once the window's thread has taken a sent message from its loop.
bool WaitForMessageLoop(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &result) != 0;
}

// Starts the program and returns once its window is shown and idle.
Running Start(const Program& program) {
    Running running;
    std::wstring commandLine = L"\"" + program.exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(program.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &running.process)) {
        Fail("cannot start", program.exe);
    }
    running.window = WaitForVisibleWindow(running.process, program.windowClass.c_str());
    if (running.window == nullptr) Fail("no window", program.exe);
    if (WaitForInputIdle(running.process.hProcess, kTimeoutMs) != 0) Fail("never idle", program.exe);
    if (!WaitForMessageLoop(running.window)) Fail("message loop not answering", program.exe);
    return running;
}

void Close(Running& running, const Program& program) {
    PostMessageW(running.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(running.process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(running.process.hProcess, 1);
        Fail("did not end on WM_CLOSE", program.exe);
    }
    CloseHandle(running.process.hThread);
    CloseHandle(running.process.hProcess);
}

SIZE_T PeakWorkingSet(const Running& running, const Program& program) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(running.process.hProcess, &counters, sizeof counters)) {
        Fail("no memory counters", program.exe);
    }
    return counters.PeakWorkingSetSize;
}

std::wstring FullPath(const wchar_t* path) {
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetFullPathNameW(path, MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH) Fail("bad path", path);
    return buffer;
}

std::wstring Beside(const std::wstring& exe, const std::wstring& name) {
    return exe.substr(0, exe.rfind(L'\\') + 1) + name;
}

// Reads and deletes the file; an absent file reads as empty.
std::string TakeFile(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    if (!DeleteFileW(path.c_str())) Fail("cannot delete", path);
    return bytes;
}

std::vector<Program> ProgramsFrom(int argc, wchar_t** argv, int first) {
    std::vector<Program> programs;
    for (int i = first; i + 1 < argc; i += 2) programs.push_back({FullPath(argv[i]), argv[i + 1]});
    return programs;
}

int RunStartup(int rounds, int warmups, const std::vector<Program>& programs) {
    for (int round = -warmups; round < rounds; ++round) {
        for (size_t index = 0; index < programs.size(); ++index) {
            const double begin = NowMs();
            Running running = Start(programs[index]);
            const double elapsed = NowMs() - begin;
            const SIZE_T peak = PeakWorkingSet(running, programs[index]);
            Close(running, programs[index]);
            if (round < 0) continue;
            std::printf("startup %zu %d %.3f %zu\n", index, round, elapsed, static_cast<size_t>(peak));
            std::fflush(stdout);
        }
    }
    return 0;
}

double ClickUntilMessageBox(const Running& running, int buttonId, const Program& program) {
    // Every click starts from the program's own window in front, so neither
    // program pays for an activation the other does not.
    SetForegroundWindow(running.window);
    WaitForMessageLoop(running.window);
    HWND button = GetDlgItem(running.window, buttonId);
    if (button == nullptr) Fail("no such button", program.exe);

    const double begin = NowMs();
    PostMessageW(button, BM_CLICK, 0, 0);
    HWND box = WaitForVisibleWindow(running.process, L"#32770");
    const double elapsed = NowMs() - begin;
    if (box == nullptr) Fail("no message box", program.exe);

    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    const double deadline = NowMs() + kTimeoutMs;
    while (IsWindow(box)) {
        if (NowMs() > deadline) Fail("message box stays open", program.exe);
        Sleep(1);
    }
    // The click handler has returned once the loop takes messages again.
    if (!WaitForMessageLoop(running.window)) Fail("message loop not answering", program.exe);
    return elapsed;
}

int RunGenerate(int rounds, int warmups, int buttonId, const std::wstring& fileName,
                const std::vector<Program>& programs) {
    std::vector<Running> running;
    for (const Program& program : programs) {
        DeleteFileW(Beside(program.exe, fileName).c_str());
        running.push_back(Start(program));
    }
    std::string reference;
    for (int round = -warmups; round < rounds; ++round) {
        for (size_t index = 0; index < programs.size(); ++index) {
            const double elapsed = ClickUntilMessageBox(running[index], buttonId, programs[index]);
            const std::string bytes = TakeFile(Beside(programs[index].exe, fileName));
            if (reference.empty()) reference = bytes;
            if (round < 0) continue;
            std::printf("generate %zu %d %.3f %zu %d\n", index, round, elapsed, bytes.size(),
                        bytes == reference ? 1 : 0);
            std::fflush(stdout);
        }
    }
    for (size_t index = 0; index < programs.size(); ++index) Close(running[index], programs[index]);
    return 0;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: bench_harness startup ROUNDS WARMUPS EXE CLASS [EXE CLASS ...]\n"
                 "       bench_harness generate ROUNDS WARMUPS BUTTON_ID FILE EXE CLASS [EXE CLASS ...]\n");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc >= 6 && lstrcmpW(argv[1], L"startup") == 0) {
        return RunStartup(_wtoi(argv[2]), _wtoi(argv[3]), ProgramsFrom(argc, argv, 4));
    }
    if (argc >= 8 && lstrcmpW(argv[1], L"generate") == 0) {
        return RunGenerate(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), argv[5], ProgramsFrom(argc, argv, 6));
    }
    return Usage();
}
