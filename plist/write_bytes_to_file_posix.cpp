#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "plist/write_bytes_to_file.h"

namespace quorrith {

namespace {

// The folder that holds `path`, for the temporary file and the final fsync.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// The old file may only be replaced where it could have been rewritten in
// place: an absent name, or a regular file the user may write. A rename
// would pass over a read-only file and swallow a directory's name.
bool TargetMayBeReplaced(const std::string& target) {
    struct stat status {};
    if (stat(target.c_str(), &status) != 0) return errno == ENOENT;
    if (!S_ISREG(status.st_mode)) return false;
    return faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool CloseChecked(int fd) {
    // After an interrupted close the descriptor is gone on Linux; retrying
    // could close a descriptor another thread just opened.
    return close(fd) == 0 || errno == EINTR;
}

// Creates a fresh temporary file beside `target`, writes and flushes the bytes.
// Returns its name, or an empty string (with nothing left behind) on failure.
std::string WriteTemporaryBeside(const std::string& target, std::string_view bytes) {
    const std::string stem = target + ".~" + std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = stem + std::to_string(attempt) + ".tmp";
        // 0666 lets the umask decide, as for any newly created file.
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return {};
        }
        const bool written = WriteAll(fd, bytes) && fsync(fd) == 0;
        const bool closed = CloseChecked(fd);
        if (written && closed) return name;
        unlink(name.c_str());
        return {};
    }
    return {};
}

// Makes the rename itself survive a crash. Only called once the new content
// has replaced the old, so its outcome cannot change what the caller is told:
// reporting a failure then would claim the earlier file is still there.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

bool WriteBytesToFile(const NativePath& path, std::string_view bytes) {
    if (path.empty()) return false;
    if (!TargetMayBeReplaced(path)) return false;

    const std::string temporary = WriteTemporaryBeside(path, bytes);
    if (temporary.empty()) return false;
    if (rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

}  // namespace quorrith
