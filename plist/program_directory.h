#pragma once
// The folder that holds the running program, fixed once at start-up.

#include <string>

namespace quorrith {

// Reads the executable's path (any length) and keeps its folder for the run.
void InitProgramDirectory();
// A copy of the folder, without a trailing backslash; empty if unknown.
std::wstring ProgramDirectory();
// Everything before the last backslash of `path`; empty when there is none.
std::wstring DirectoryOfPath(const std::wstring& path);

}  // namespace quorrith
