#include "catalogue/toggle_catalogue.h"

namespace quorrith {

namespace {

// Labels are GBK byte strings; the characters stand in the comments.
constexpr std::array<ToggleEntry, kToggleCount> kCatalogue{{
    {"WIFI", "wifi"},
    {"\xCA\xFD\xBE\xDD", "data"},                           // 数据
    {"3G", "3g"},
    {"\xC7\xE5\xC0\xED", "cleanup"},                        // 清理
    {"\xCA\xD6\xB5\xE7\xCD\xB2", "flashlight"},             // 手电筒
    {"\xC1\xC1\xB6\xC8", "backlight"},                      // 亮度
    {"GPS", "gps"},
    {"\xC0\xB6\xD1\xC0", "bluetooth"},                      // 蓝牙
    {"\xD7\xD4\xB6\xAF\xCB\xF8\xB6\xA8", "autolock"},       // 自动锁定
    {"\xB7\xBD\xCF\xF2\xCB\xF8", "rotation"},               // 方向锁
    {"\xB7\xC9\xD0\xD0", "airplane"},                       // 飞行
    {"\xD7\xA2\xCF\xFA", "respring"},                       // 注销
    {"\xD6\xD8\xC6\xF4", "reboot"},                         // 重启
    {"\xB9\xD8\xBB\xFA", "shutdown"},                       // 关机
    {"\xD6\xF7\xC6\xC1\xC4\xBB", "home"},                   // 主屏幕
    {"\xCB\xF8\xC6\xC1", "sleep"},                          // 锁屏
}};

// The last entry is followed by a space instead of a new line and indent; the
// reading app has always been given the file this way.
constexpr std::string_view kLastEntryTail = " ";
constexpr std::string_view kEntryTail = "\n\t";

}  // namespace

const std::array<ToggleEntry, kToggleCount>& ToggleCatalogue() { return kCatalogue; }

const ToggleEntry* FindToggleByLabel(std::string_view text) {
    if (text.empty()) return nullptr;
    for (const ToggleEntry& entry : kCatalogue) {
        if (entry.label == text) return &entry;
    }
    return nullptr;
}

void AppendToggleEntryText(std::string& out, const ToggleEntry& entry, char digit) {
    const std::string_view stem = entry.stem;
    out += "<dict>\n\t\t<key>Id</key>\n\t\t<string>multi_";
    out += stem;
    out += "</string>\n\t\t<key>Image</key>\n\t\t<string>list_multi_";
    out += stem;
    out += ".png</string>\n\t\t<key>Name</key>\n\t\t<string>panel_";
    out += stem;
    out += "</string>\n\t\t<key>Visible</key>\n\t\t<integer>";
    out += digit;
    out += "</integer>\n\t</dict>";
    out += (entry.stem == kCatalogue.back().stem) ? kLastEntryTail : kEntryTail;
}

std::string ToggleEntryText(const ToggleEntry& entry, char digit) {
    std::string text;
    text.reserve(240);
    AppendToggleEntryText(text, entry, digit);
    return text;
}

}  // namespace quorrith
