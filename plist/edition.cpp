#include "plist/edition.h"

namespace quorrith {

Edition CurrentEdition(long long checkState) {
    constexpr long long kChecked = 1;  // BST_CHECKED
    return checkState == kChecked ? Edition::NotificationCenter : Edition::TapBattery;
}

std::string_view SettingsFileName(Edition edition) {
    return edition == Edition::NotificationCenter ? "\\WeeWindowListSetting.plist"
                                                  : "\\PanelWindowListSetting.plist";
}

}  // namespace quorrith
