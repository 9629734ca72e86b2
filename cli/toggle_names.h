#pragma once
// How the command line names the toggles: by stem ("gps") or by label in
// UTF-8 ("蓝牙"), a leading '-' marking a row that is left unticked.

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/toggle_catalogue.h"

namespace quorrith {

// One row of the list as the command line asks for it.
struct ToggleRow {
    const ToggleEntry* entry;
    bool ticked;
};

// A stem in any ASCII case ("wifi", "Wifi") or a label in UTF-8 ("数据",
// "WIFI"); nullptr when it is neither.
const ToggleEntry* FindToggleByName(std::string_view name);

// The toggle whose stem or label lies closest to `name`, or nullptr when none
// is near enough to be what a typo was aiming at.
const ToggleEntry* ClosestToggle(std::string_view name);

// The catalogue label in UTF-8, for messages and --list; the stem if the
// label cannot be converted.
std::string LabelForDisplay(const ToggleEntry& entry);

struct ResolvedToggles {
    std::vector<ToggleRow> rows;
    std::string error;  // one line, without the program's name; empty on success
};

// Each argument becomes one row, in order; the first bad one stops it.
ResolvedToggles ResolveToggles(const std::vector<std::string>& arguments);

// The window's start-up rows: the sixteen toggles in catalogue order, ticked.
std::vector<ToggleRow> StartUpRows();

}  // namespace quorrith
