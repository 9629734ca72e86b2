#include <windows.h>

#include "cli/output_folder.h"
#include "cli/text_encoding.h"

namespace quorrith {

namespace {

std::wstring FullPath(const std::wstring& name) {
    const DWORD length = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (length == 0) return {};
    std::wstring full(length, L'\0');
    const DWORD written = GetFullPathNameW(name.c_str(), length, full.data(), nullptr);
    if (written == 0 || written >= length) return {};
    full.resize(written);
    return full;
}

}  // namespace

OutputFolder FindOutputFolder(std::string_view utf8Name) {
    OutputFolder folder;
    if (utf8Name.empty()) return folder;
    // The absolute form makes the success message say exactly where the file
    // went, and turns "C:" into that drive's current folder, not its root.
    const std::wstring full = FullPath(WideFromUtf8(utf8Name));
    if (full.empty()) return folder;
    const DWORD attributes = GetFileAttributesW(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        folder.state = (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME)
                           ? FolderState::Missing
                           : FolderState::Unreachable;
        return folder;
    }
    folder.state = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? FolderState::Found : FolderState::NotAFolder;
    folder.path = full;
    return folder;
}

NativePath SettingsFilePath(const NativePath& folder, Edition edition) {
    // The piece brings its own backslash; a drive's root ("C:\") has one already.
    NativePath path = folder;
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    const std::string_view piece = SettingsFileName(edition);  // ASCII
    path.append(piece.begin(), piece.end());
    return path;
}

std::string Utf8FromNativePath(const NativePath& path) { return Utf8FromWide(path); }

}  // namespace quorrith
