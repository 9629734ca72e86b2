#pragma once
// Which of the two settings files a generation writes, and what it tells the user.

#include <string_view>

namespace quorrith {

enum class Edition {
    NotificationCenter,  // 单选框2 "通知中心版" selected
    TapBattery,          // otherwise: 单选框1 "点击电池版"
};

// `checkState` is the answer of BM_GETCHECK for 单选框2; only BST_CHECKED (1)
// counts as selected.
Edition CurrentEdition(long long checkState);

// The file-name piece joined to the program directory, leading backslash included.
std::string_view SettingsFileName(Edition edition);

// The message box texts of a generation, GBK.
constexpr std::string_view kResultCaption = "\xD0\xC5\xCF\xA2";  // 信息
// 文件生成成功\r\n请将生成的plist文件拷贝至/var/mobile/Library/kBatteryDoctor
constexpr std::string_view kSuccessText =
    "\xCE\xC4\xBC\xFE\xC9\xFA\xB3\xC9\xB3\xC9\xB9\xA6\r\n"
    "\xC7\xEB\xBD\xAB\xC9\xFA\xB3\xC9\xB5\xC4" "plist" "\xCE\xC4\xBC\xFE\xBF\xBD\xB1\xB4\xD6\xC1"
    "/var/mobile/Library/kBatteryDoctor";
// 文件生成失败，请联系作者 (full-width comma)
constexpr std::string_view kFailureText =
    "\xCE\xC4\xBC\xFE\xC9\xFA\xB3\xC9\xCA\xA7\xB0\xDC\xA3\xAC\xC7\xEB\xC1\xAA\xCF\xB5\xD7\xF7\xD5\xDF";

}  // namespace quorrith
