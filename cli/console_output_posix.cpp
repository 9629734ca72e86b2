#include <cstdio>

#include "cli/console_output.h"

namespace quorrith {

namespace {

bool WriteTo(std::FILE* stream, std::string_view utf8) {
    if (utf8.empty()) return true;
    const bool written = std::fwrite(utf8.data(), 1, utf8.size(), stream) == utf8.size();
    return std::fflush(stream) == 0 && written;
}

}  // namespace

bool WriteStandardOutput(std::string_view utf8) { return WriteTo(stdout, utf8); }

bool WriteStandardError(std::string_view utf8) { return WriteTo(stderr, utf8); }

}  // namespace quorrith
