#pragma once
// The sixteen quick toggles that the settings file can name, in start-up row order.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace quorrith {

struct ToggleEntry {
    std::string_view label;  // GBK bytes, as the list shows them
    std::string_view stem;   // lower-case ASCII, forms the ids in the settings file
};

constexpr std::size_t kToggleCount = 16;

// Index i is row i of the list at start-up and the order labels are tried in.
const std::array<ToggleEntry, kToggleCount>& ToggleCatalogue();

// The entry whose label equals `text` byte for byte, or nullptr. No trimming,
// no case folding, no code-page conversion; the empty text matches nothing.
const ToggleEntry* FindToggleByLabel(std::string_view text);

// The dictionary text of `entry` with `Visible` set to `digit` ('1' or '0'),
// tail included, appended to `out`.
void AppendToggleEntryText(std::string& out, const ToggleEntry& entry, char digit);

// The same text as a new string.
std::string ToggleEntryText(const ToggleEntry& entry, char digit);

}  // namespace quorrith
