#pragma once
// Where quorrith-cli puts the settings file: an existing folder, named in
// UTF-8 on the command line, joined with the edition's file name.

#include <string>
#include <string_view>

#include "plist/edition.h"
#include "plist/write_bytes_to_file.h"

namespace quorrith {

enum class FolderState {
    Found,
    Missing,
    NotAFolder,
    Unreachable,  // exists, perhaps, but the system would not say (no permission)
};

struct OutputFolder {
    FolderState state = FolderState::Missing;
    NativePath path;  // absolute, when found
};

OutputFolder FindOutputFolder(std::string_view utf8Name);

// The folder followed by the file name that SettingsFileName gives for the
// edition, with one separator between them.
NativePath SettingsFilePath(const NativePath& folder, Edition edition);

// For messages.
std::string Utf8FromNativePath(const NativePath& path);

}  // namespace quorrith
