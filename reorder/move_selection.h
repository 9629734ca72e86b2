#pragma once
// The handlers of 按钮_上移 and 按钮_下移: move the selected labels one row up
// or down. Ticks stay with the row positions.

#include <string_view>

namespace quorrith {

constexpr std::string_view kMoveRefusalCaption = "\xCC\xE1\xCA\xBE";             // 提示
constexpr std::string_view kTopReachedText = "\xB5\xBD\xB6\xA5\xC0\xB2\xA3\xA1";     // 到顶啦！
constexpr std::string_view kBottomReachedText = "\xB5\xBD\xB5\xD7\xC0\xB2\xA3\xA1";  // 到底啦！

void MoveSelectionUp();
void MoveSelectionDown();

}  // namespace quorrith
