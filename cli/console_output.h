#pragma once
// Puts the program's UTF-8 text on standard output and standard error. On a
// Windows console it goes as UTF-16, so Chinese labels show whatever the
// console's code page; everywhere else the bytes go unchanged (no CR added).

#include <string_view>

namespace quorrith {

// False when the text could not be written whole.
bool WriteStandardOutput(std::string_view utf8);
bool WriteStandardError(std::string_view utf8);

}  // namespace quorrith
