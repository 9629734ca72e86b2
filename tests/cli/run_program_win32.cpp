#include <windows.h>

#include <stdexcept>
#include <thread>

#include "cli/text_encoding.h"
#include "tests/cli/run_program.h"

namespace quorrith::test {

namespace {

// Quotes one argument so that the C runtime's parser gives it back unchanged.
std::wstring QuotedArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

std::string ReadAll(HANDLE pipe) {
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

}  // namespace

std::filesystem::path QuorrithCliPath() {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return std::filesystem::path(self).parent_path() / L"quorrith-cli.exe";
}

ProgramResult RunQuorrithCli(const ProgramRun& run) {
    const std::wstring program = QuorrithCliPath().wstring();
    std::wstring commandLine = QuotedArgument(program);
    for (const std::string& argument : run.arguments) commandLine += L" " + QuotedArgument(WideFromUtf8(argument));

    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite;
    if (!CreatePipe(&outRead, &outWrite, &inheritable, 0) || !CreatePipe(&errRead, &errWrite, &inheritable, 0)) {
        throw std::runtime_error("CreatePipe");
    }
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION process{};
    const std::wstring folder = run.workingFolder.wstring();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        throw std::runtime_error("CreateProcessW");
    }
    CloseHandle(outWrite);
    CloseHandle(errWrite);

    ProgramResult result;
    std::thread errReader([&] { result.err = ReadAll(errRead); });
    result.out = ReadAll(outRead);
    errReader.join();
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    result.exitStatus = static_cast<int>(status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    CloseHandle(outRead);
    CloseHandle(errRead);
    return result;
}

}  // namespace quorrith::test
