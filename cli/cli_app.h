#pragma once
// quorrith-cli as a function: the arguments in, the exit status and the
// texts for standard output and standard error out, so that the tests can
// run it in-process as well as the real program.

#include <string>
#include <vector>

#include "cli/toggle_names.h"

namespace quorrith {

constexpr int kExitSuccess = 0;
constexpr int kExitWriteFailed = 1;
constexpr int kExitBadInput = 2;

// `arguments` are UTF-8 and exclude the program's own name. `out` and `err`
// receive UTF-8 text to print; nothing is written to any file on a status of 2.
int RunCli(const std::vector<std::string>& arguments, std::string& out, std::string& err);

// The document that the window writes for a list holding these rows.
std::string DocumentForRows(const std::vector<ToggleRow>& rows);

}  // namespace quorrith
