#pragma once
// Conversions at the command line's edge. Inside, labels are GBK byte strings
// exactly as the window keeps them; outside, the terminal speaks UTF-8 (and
// Windows hands over UTF-16).

#include <optional>
#include <string>
#include <string_view>

namespace quorrith {

// None when `utf8` is not valid UTF-8 or holds a character GBK lacks.
std::optional<std::string> GbkFromUtf8(std::string_view utf8);
// None when `gbk` is not valid GBK.
std::optional<std::string> Utf8FromGbk(std::string_view gbk);

#ifdef _WIN32
// Invalid sequences become U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
#endif

}  // namespace quorrith
