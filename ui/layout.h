#pragma once
// Sizes and places at 96 DPI, scaled to the monitor at run time.

#include <string_view>

#include <windows.h>
#include <commctrl.h>

#include "ui/control_ids.h"

namespace quorrith {

constexpr int kWindowWidth = 217;   // outer size, frame and caption included
constexpr int kWindowHeight = 326;
constexpr int kListColumnWidth = 70;

struct ControlLayout {
    ControlId id;
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;  // in the client area
    std::string_view text;         // GBK
};

// Created hidden; all are shown together once every control exists.
constexpr DWORD kChild = WS_CHILD;

// Creation order, which is also the stacking order.
constexpr ControlLayout kControls[] = {
    {kIdRadioNotification, L"BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER,
     0, 121, 122, 88, 24, "\xCD\xA8\xD6\xAA\xD6\xD0\xD0\xC4\xB0\xE6"},  // 通知中心版
    {kIdRadioTapBattery, L"BUTTON", kChild | WS_TABSTOP | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER,
     0, 121, 155, 88, 24, "\xB5\xE3\xBB\xF7\xB5\xE7\xB3\xD8\xB0\xE6"},  // 点击电池版
    {kIdCreditLabel, L"STATIC", kChild | WS_GROUP | SS_LEFT | SS_NOPREFIX,
     0, 120, 247, 84, 24,
     "Quorrith\xB3\xF6\xC6\xB7\r\n"        // Quorrith出品
     "\xCA\xB1\xBC\xE4:2012.6.10"},        // 时间:2012.6.10
    {kIdMoveUp, L"BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER,
     0, 121, 21, 72, 24, "\xC9\xCF\xD2\xC6"},  // 上移
    {kIdMoveDown, L"BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER,
     0, 121, 72, 72, 24, "\xCF\xC2\xD2\xC6"},  // 下移
    {kIdGenerate, L"BUTTON", kChild | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER,
     0, 121, 193, 72, 24, "\xC9\xFA\xB3\xC9" "plist"},  // 生成plist
    {kIdToggleList, L"SysListView32",
     kChild | WS_GROUP | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER,
     WS_EX_CLIENTEDGE, 8, 8, 95, 281, ""},
};

// The Tab cycle, in ascending Tab number; the list and the label are not in it.
constexpr ControlId kTabCycle[] = {kIdGenerate, kIdMoveUp, kIdMoveDown, kIdRadioNotification, kIdRadioTapBattery};

constexpr std::string_view kListColumnTitle = "\xC3\xFB\xB3\xC6";  // 名称
constexpr std::string_view kWindowCaption = "Quorrith1.3";

}  // namespace quorrith
