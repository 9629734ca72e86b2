// Random lists: whatever the rows hold, the document is pure ASCII and is the
// header, the recognised rows' entries in row order, and the footer.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "listctl/memory_list.h"
#include "plist/plist_document_builder.h"
#include "tests/logic/expected_toggles.h"

namespace quorrith {
namespace {

using Rows = std::vector<std::pair<std::string, StateImage>>;

std::string RandomText(std::mt19937& random) {
    const auto& toggles = test::ExpectedToggles();
    switch (random() % 6) {
        case 0:
        case 1:
        case 2: return toggles[random() % toggles.size()].label;
        case 3: return toggles[random() % toggles.size()].label + " ";
        case 4: return "";
        default: {
            std::string text(random() % 40, '\0');
            for (char& c : text) c = static_cast<char>(1 + random() % 255);  // no zero byte
            return text;
        }
    }
}

// The same composition, written without the catalogue's lookup.
std::string ExpectedDocument(const Rows& rows) {
    std::string document = test::ExpectedHeader();
    for (const auto& [text, state] : rows) {
        if (state != 0 && state != 1) continue;
        for (const auto& toggle : test::ExpectedToggles()) {
            if (toggle.label == text) {
                document += test::ExpectedEntryText(toggle.stem, state == 1 ? '1' : '0');
            }
        }
    }
    return document + test::ExpectedFooter();
}

TEST(PlistDocumentBuilderRandom, MatchesAnIndependentCompositionAndStaysAscii) {
    std::mt19937 random(20120610);
    for (int round = 0; round < 400; ++round) {
        Rows rows(random() % 201);
        for (auto& row : rows) {
            row.first = RandomText(random);
            row.second = static_cast<StateImage>(random() % 4) - 1;  // -1 to 2
        }
        ResetMemoryList();
        LoadMemoryList(rows);
        const std::string document = BuildPlistDocument();
        ASSERT_EQ(document, ExpectedDocument(rows)) << "round " << round;
        for (const char c : document) {
            ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "round " << round;
            ASSERT_NE(c, '\r') << "round " << round;
        }
    }
}

}  // namespace
}  // namespace quorrith
