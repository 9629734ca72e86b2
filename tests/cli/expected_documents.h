#pragma once
// What the window would write, worked out apart from quorrith-cli: the tests'
// own toggle table feeds the in-memory list, and the builder makes the text.

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "listctl/memory_list.h"
#include "plist/plist_document_builder.h"
#include "tests/logic/expected_toggles.h"

#include "ui/populate_toggle_list.h"

namespace quorrith::test {

using ListRows = std::vector<std::pair<std::string, StateImage>>;

// A row showing the GBK label of the toggle with this stem.
inline std::pair<std::string, StateImage> RowOf(std::string_view stem, StateImage state) {
    for (const ExpectedToggle& toggle : ExpectedToggles()) {
        if (toggle.stem == stem) return {toggle.label, state};
    }
    throw std::invalid_argument("no toggle with stem " + std::string(stem));
}

inline std::string BuilderDocument(const ListRows& rows) {
    ResetMemoryList();
    LoadMemoryList(rows);
    std::string document = BuildPlistDocument();
    ResetMemoryList();
    return document;
}

// The document of the window right after start-up, the list filled by the
// window's own start-up code.
inline std::string WindowStartUpDocument() {
    ResetMemoryList();
    PopulateToggleList();
    std::string document = BuildPlistDocument();
    ResetMemoryList();
    return document;
}

}  // namespace quorrith::test
