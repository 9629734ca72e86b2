#pragma once
// Starts the real quorrith-cli, built beside the test program, and collects
// what it prints and its exit status.

#include <filesystem>
#include <string>
#include <vector>

namespace quorrith::test {

struct ProgramResult {
    int exitStatus = -1;
    std::string out;  // standard output, bytes as written
    std::string err;  // standard error
};

struct ProgramRun {
    std::vector<std::string> arguments;  // UTF-8
    std::filesystem::path workingFolder;  // empty: the test's own
    // POSIX only: the largest file the program may write (RLIMIT_FSIZE),
    // to make a write fail part-way; 0 for no limit.
    long long fileSizeLimit = 0;
};

std::filesystem::path QuorrithCliPath();
ProgramResult RunQuorrithCli(const ProgramRun& run);

// In the test's own working folder, without limits.
inline ProgramResult RunQuorrithCliWith(std::vector<std::string> arguments) {
    ProgramRun run;
    run.arguments = std::move(arguments);
    return RunQuorrithCli(run);
}

}  // namespace quorrith::test
