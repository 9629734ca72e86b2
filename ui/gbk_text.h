#pragma once
// The one place where the program's GBK texts meet the wide-character Win32
// API: code page 936 explicitly, whatever the system's ANSI code page is.

#include <string>
#include <string_view>

namespace quorrith {

std::wstring WideFromGbk(std::string_view gbk);
std::string GbkFromWide(std::wstring_view wide);

}  // namespace quorrith
