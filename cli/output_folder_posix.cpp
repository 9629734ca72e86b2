#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "cli/output_folder.h"

namespace quorrith {

OutputFolder FindOutputFolder(std::string_view utf8Name) {
    OutputFolder folder;
    const std::string name(utf8Name);
    // The absolute form makes the success message say exactly where the file went.
    const std::unique_ptr<char, decltype(&std::free)> absolute(realpath(name.c_str(), nullptr), &std::free);
    if (!absolute) {
        folder.state = (errno == ENOENT || errno == ENOTDIR) ? FolderState::Missing : FolderState::Unreachable;
        return folder;
    }
    struct stat status {};
    if (stat(absolute.get(), &status) != 0) {
        folder.state = FolderState::Unreachable;
        return folder;
    }
    folder.state = S_ISDIR(status.st_mode) ? FolderState::Found : FolderState::NotAFolder;
    folder.path = absolute.get();
    return folder;
}

NativePath SettingsFilePath(const NativePath& folder, Edition edition) {
    // The file-name piece is made for Windows: a backslash, then the name.
    const std::string_view piece = SettingsFileName(edition).substr(1);
    NativePath path = folder;
    if (path.empty() || path.back() != '/') path += '/';
    path += piece;
    return path;
}

std::string Utf8FromNativePath(const NativePath& path) { return path; }

}  // namespace quorrith
