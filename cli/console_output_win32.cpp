#include <windows.h>

#include <string>

#include "cli/console_output.h"
#include "cli/text_encoding.h"

namespace quorrith {

namespace {

// Writes all `count` units, however many each call takes.
template <typename Unit, typename Write>
bool WriteWhole(const Unit* next, DWORD count, Write write) {
    while (count > 0) {
        DWORD written = 0;
        if (!write(next, count, &written) || written == 0) return false;
        next += written;
        count -= written;
    }
    return true;
}

bool WriteTo(DWORD which, std::string_view utf8) {
    if (utf8.empty()) return true;
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return false;

    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = WideFromUtf8(utf8);
        return WriteWhole(wide.data(), static_cast<DWORD>(wide.size()),
                          [handle](const wchar_t* text, DWORD count, DWORD* written) {
                              return WriteConsoleW(handle, text, count, written, nullptr) != 0;
                          });
    }
    // A pipe or a file: UTF-8 bytes exactly, without text-mode line ends.
    return WriteWhole(utf8.data(), static_cast<DWORD>(utf8.size()),
                      [handle](const char* bytes, DWORD count, DWORD* written) {
                          return WriteFile(handle, bytes, count, written, nullptr) != 0;
                      });
}

}  // namespace

bool WriteStandardOutput(std::string_view utf8) { return WriteTo(STD_OUTPUT_HANDLE, utf8); }

bool WriteStandardError(std::string_view utf8) { return WriteTo(STD_ERROR_HANDLE, utf8); }

}  // namespace quorrith
