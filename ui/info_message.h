#pragma once
// The program's message boxes: no owner, one OK button, the information icon,
// modal to the whole program. Texts are GBK; the program links either the
// real box or, in tests, a recorder.

#include <string_view>

namespace quorrith {

void ShowInfoMessage(std::string_view text, std::string_view caption);

}  // namespace quorrith
