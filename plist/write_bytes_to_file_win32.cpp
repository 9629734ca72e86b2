#include <windows.h>

#include <string>

#include "plist/write_bytes_to_file.h"
#include "ui/handles.h"

namespace quorrith {

namespace {

// Lets the file API take paths of any length without a long-path manifest.
std::wstring ExtendedLengthPath(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0) return path;
    if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
    if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
    return path;
}

// The old file may only be replaced where it could have been rewritten in
// place: not a directory, not read-only (a rename would pass over that on
// some systems), and not open in another program.
bool TargetMayBeReplaced(const std::wstring& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
    if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
    const FileHandle probe(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    return probe.valid();
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    constexpr size_t kChunk = 1u << 30;
    while (!bytes.empty()) {
        const DWORD asked = static_cast<DWORD>(bytes.size() < kChunk ? bytes.size() : kChunk);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), asked, &written, nullptr) || written != asked) return false;
        bytes.remove_prefix(asked);
    }
    return true;
}

// Decimal digits of a number, without pulling a formatted-print engine into
// the executable.
std::wstring Digits(unsigned long value) {
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

// Creates a fresh temporary file beside `target`, writes and flushes the bytes.
// Returns its name, or an empty string (with nothing left behind) on failure.
std::wstring WriteTemporaryBeside(const std::wstring& target, std::string_view bytes) {
    const std::wstring stem = target + L".~" + Digits(GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = stem + Digits(static_cast<unsigned long>(attempt)) + L".tmp";
        FileHandle file(CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            return {};
        }
        const bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
        const bool closed = file.close();
        if (written && closed) return name;
        DeleteFileW(name.c_str());
        return {};
    }
    return {};
}

}  // namespace

bool WriteBytesToFile(const NativePath& path, std::string_view bytes) {
    if (path.empty()) return false;
    const std::wstring target = ExtendedLengthPath(path);
    if (!TargetMayBeReplaced(target)) return false;

    const std::wstring temporary = WriteTemporaryBeside(target, bytes);
    if (temporary.empty()) return false;
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace quorrith
