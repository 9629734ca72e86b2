#pragma once
// The toggles as the tests expect them, written out independently of the
// program's own table, with a straightforward composition of the entry text.

#include <array>
#include <string>
#include <vector>

namespace quorrith::test {

struct ExpectedToggle {
    std::string label;  // GBK bytes
    std::string stem;
    size_t entryLength;
};

inline const std::array<ExpectedToggle, 16>& ExpectedToggles() {
    static const std::array<ExpectedToggle, 16> toggles{{
        {"\x57\x49\x46\x49", "wifi", 213},
        {"\xCA\xFD\xBE\xDD", "data", 213},                      // 数据
        {"\x33\x47", "3g", 207},
        {"\xC7\xE5\xC0\xED", "cleanup", 222},                   // 清理
        {"\xCA\xD6\xB5\xE7\xCD\xB2", "flashlight", 231},        // 手电筒
        {"\xC1\xC1\xB6\xC8", "backlight", 228},                 // 亮度
        {"\x47\x50\x53", "gps", 210},
        {"\xC0\xB6\xD1\xC0", "bluetooth", 228},                 // 蓝牙
        {"\xD7\xD4\xB6\xAF\xCB\xF8\xB6\xA8", "autolock", 225},  // 自动锁定
        {"\xB7\xBD\xCF\xF2\xCB\xF8", "rotation", 225},          // 方向锁
        {"\xB7\xC9\xD0\xD0", "airplane", 225},                  // 飞行
        {"\xD7\xA2\xCF\xFA", "respring", 225},                  // 注销
        {"\xD6\xD8\xC6\xF4", "reboot", 219},                    // 重启
        {"\xB9\xD8\xBB\xFA", "shutdown", 225},                  // 关机
        {"\xD6\xF7\xC6\xC1\xC4\xBB", "home", 213},              // 主屏幕
        {"\xCB\xF8\xC6\xC1", "sleep", 215},                     // 锁屏
    }};
    return toggles;
}

// Ten lines joined by line feeds, then the tail: a space after "sleep",
// otherwise a line feed and a tab.
inline std::string ExpectedEntryText(const std::string& stem, char digit) {
    const std::vector<std::string> lines = {
        "<dict>",
        "\t\t<key>Id</key>",
        "\t\t<string>multi_" + stem + "</string>",
        "\t\t<key>Image</key>",
        "\t\t<string>list_multi_" + stem + ".png</string>",
        "\t\t<key>Name</key>",
        "\t\t<string>panel_" + stem + "</string>",
        "\t\t<key>Visible</key>",
        std::string("\t\t<integer>") + digit + "</integer>",
        "\t</dict>",
    };
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    text += stem == "sleep" ? " " : "\n\t";
    return text;
}

inline const std::string& ExpectedHeader() {
    static const std::string header =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
        "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        "<plist version=\"1.0\">\n<array>\n\t";
    return header;
}

inline const std::string& ExpectedFooter() {
    static const std::string footer = "\n</array>\n</plist>\n";
    return footer;
}

}  // namespace quorrith::test
