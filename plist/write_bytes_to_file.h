#pragma once
// Puts a byte block in place as the whole content of a file, in one step:
// the bytes go to a temporary file beside it, which then replaces the file.
// On any failure the earlier file is left exactly as it was and no temporary
// file remains.

#include <string>
#include <string_view>

namespace quorrith {

#ifdef _WIN32
using NativePath = std::wstring;
#else
using NativePath = std::string;
#endif

// True only when the whole block is in place under `path`. Refuses an empty
// path, a directory, a read-only file and (on Windows) a file that another
// program holds open.
bool WriteBytesToFile(const NativePath& path, std::string_view bytes);

}  // namespace quorrith
