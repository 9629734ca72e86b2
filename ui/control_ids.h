#pragma once
// Ids of the main window's controls and the names the window is found by.

namespace quorrith {

enum ControlId : int {
    kIdRadioNotification = 1001,  // 单选框2 "通知中心版"
    kIdRadioTapBattery = 1002,    // 单选框1 "点击电池版"
    kIdCreditLabel = 1003,        // 标签1
    kIdMoveUp = 1004,             // 按钮_上移
    kIdMoveDown = 1005,           // 按钮_下移
    kIdGenerate = 1006,           // 按钮_生成
    kIdToggleList = 1007,         // 超级列表框1
};

constexpr wchar_t kMainWindowClass[] = L"QuorrithMainWindow";

}  // namespace quorrith
