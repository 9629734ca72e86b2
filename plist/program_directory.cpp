#include "plist/program_directory.h"

#include <windows.h>

namespace quorrith {

namespace {

std::wstring gProgramDirectory;
bool gKnown = false;

std::wstring ModulePath() {
    // The wide path has no 260-character limit; grow until it fits.
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        if (buffer.size() >= 65536) return {};
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

}  // namespace

std::wstring DirectoryOfPath(const std::wstring& path) {
    const size_t separator = path.rfind(L'\\');
    return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

void InitProgramDirectory() {
    gProgramDirectory = DirectoryOfPath(ModulePath());
    gKnown = true;
}

std::wstring ProgramDirectory() {
    if (!gKnown) InitProgramDirectory();
    return gProgramDirectory;
}

}  // namespace quorrith
