#include <windows.h>

#include <string>

#include "cli/console_output.h"
#include "cli/text_encoding.h"

namespace quorrith {

namespace {

bool WriteTo(DWORD which, std::string_view utf8) {
    if (utf8.empty()) return true;
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;

    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = WideFromUtf8(utf8);
        const wchar_t* next = wide.data();
        DWORD left = static_cast<DWORD>(wide.size());
        while (left > 0) {
            DWORD written = 0;
            if (!WriteConsoleW(handle, next, left, &written, nullptr) || written == 0) return false;
            next += written;
            left -= written;
        }
        return true;
    }

    // A pipe or a file: UTF-8 bytes exactly, without text-mode line ends.
    const char* next = utf8.data();
    DWORD left = static_cast<DWORD>(utf8.size());
    while (left > 0) {
        DWORD written = 0;
        if (!WriteFile(handle, next, left, &written, nullptr) || written == 0) return false;
        next += written;
        left -= written;
    }
    return true;
}

}  // namespace

bool WriteStandardOutput(std::string_view utf8) { return WriteTo(STD_OUTPUT_HANDLE, utf8); }

bool WriteStandardError(std::string_view utf8) { return WriteTo(STD_ERROR_HANDLE, utf8); }

}  // namespace quorrith
