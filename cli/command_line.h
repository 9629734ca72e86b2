#pragma once
// The arguments of quorrith-cli, read into what to do. Options take two
// dashes; every other argument names a toggle row.

#include <optional>
#include <string>
#include <vector>

#include "plist/edition.h"

namespace quorrith {

enum class CliAction {
    WriteFile,  // the default
    PrintDocument,
    ListToggles,
    ShowHelp,
    ShowVersion,
};

struct CommandLine {
    CliAction action = CliAction::WriteFile;
    Edition edition = Edition::NotificationCenter;
    std::optional<std::string> outputFolder;  // UTF-8, as given
    std::vector<std::string> toggles;         // as given, '-' marks included
};

struct ParsedCommandLine {
    CommandLine commandLine;
    std::string error;  // one line, without the program's name; empty on success
};

// `arguments` are UTF-8 and exclude the program's own name. --help wins over
// --version, which wins over --list; each of them ignores the toggles.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

}  // namespace quorrith
