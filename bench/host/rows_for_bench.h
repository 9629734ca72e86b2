#pragma once
// Long lists for the host benchmarks: the catalogue's labels over and over,
// ticked and unticked in turn, so every row adds an entry to the document.

#include <string>
#include <utility>
#include <vector>

#include "catalogue/toggle_catalogue.h"
#include "listctl/toggle_list_control.h"

namespace quorrith {

inline std::vector<std::pair<std::string, StateImage>> CatalogueRows(int count, bool alternateTicks) {
    std::vector<std::pair<std::string, StateImage>> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const ToggleEntry& entry = ToggleCatalogue()[static_cast<size_t>(i) % kToggleCount];
        rows.emplace_back(std::string(entry.label), alternateTicks && i % 2 == 1 ? 0 : 1);
    }
    return rows;
}

}  // namespace quorrith
