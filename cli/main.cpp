// quorrith-cli: writes the kBatteryDoctor settings file from the command line.

#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/console_output.h"

#ifdef _WIN32
#include "cli/text_encoding.h"
#endif

namespace {

int Run(const std::vector<std::string>& arguments) {
    std::string out;
    std::string err;
    int status = quorrith::RunCli(arguments, out, err);
    // A document that did not reach standard output was not delivered.
    if (!quorrith::WriteStandardOutput(out) && status == quorrith::kExitSuccess) {
        status = quorrith::kExitWriteFailed;
    }
    quorrith::WriteStandardError(err);
    return status;
}

}  // namespace

#ifdef _WIN32
// The wide arguments carry Chinese labels whatever the ANSI code page is.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(quorrith::Utf8FromWide(argv[i]));
    return Run(arguments);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
