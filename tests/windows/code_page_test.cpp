// The tests run where the program is meant to: ANSI code page 936. The GBK
// conversion holds either way, since it names the code page itself.

#include <windows.h>

#include <gtest/gtest.h>

#include "ui/gbk_text.h"

namespace quorrith {
namespace {

TEST(CodePage, TestsRunWithTheChineseAnsiCodePage) { EXPECT_EQ(GetACP(), 936u); }

TEST(GbkText, ConvertsBothWaysExactly) {
    const struct {
        std::string gbk;
        std::wstring wide;
    } cases[] = {
        {"\xCA\xFD\xBE\xDD", L"\x6570\x636E"},                     // 数据
        {"\xCE\xC4\xBC\xFE\xA3\xAC" "a\r\n", L"\x6587\x4EF6\xFF0C" L"a\r\n"},  // 文件，a
        {"\x81\x5C", L"\x4E57"},                                    // 乗
        {"WIFI", L"WIFI"},
        {"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WideFromGbk(c.gbk), c.wide) << c.gbk;
        EXPECT_EQ(GbkFromWide(c.wide), c.gbk) << c.gbk;
    }
}

}  // namespace
}  // namespace quorrith
