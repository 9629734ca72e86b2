#include "cli/toggle_names.h"

#include <algorithm>
#include <optional>

#include "cli/text_encoding.h"

namespace quorrith {

namespace {

constexpr char kUntickedMark = '-';

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// Code points of a UTF-8 text with ASCII letters folded to lower case, so
// that a distance counts characters rather than bytes. Malformed bytes count
// as one character each; they only ever meet a distance, never a lookup.
std::u32string FoldedCodePoints(std::string_view utf8) {
    std::u32string points;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        size_t length = 1;
        if ((lead >> 5) == 0x6) length = 2;
        if ((lead >> 4) == 0xE) length = 3;
        if ((lead >> 3) == 0x1E) length = 4;
        if (length == 1 || i + length > utf8.size()) {
            points.push_back(static_cast<unsigned char>(LowerAscii(utf8[i])));
            ++i;
            continue;
        }
        char32_t point = lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            point = (point << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

// Edits to turn `a` into `b`: insertions, deletions, substitutions and swaps
// of two neighbours ("gsp" is one step from "gps").
size_t EditDistance(const std::u32string& a, const std::u32string& b) {
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

// A typo is a few edits away; past that a suggestion is a guess.
size_t LargestTypoDistance(size_t candidateLength) { return candidateLength / 3 + 1; }

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace

const ToggleEntry* FindToggleByName(std::string_view name) {
    for (const ToggleEntry& entry : ToggleCatalogue()) {
        if (EqualIgnoringAsciiCase(name, entry.stem)) return &entry;
    }
    const std::optional<std::string> gbk = GbkFromUtf8(name);
    return gbk ? FindToggleByLabel(*gbk) : nullptr;
}

const ToggleEntry* ClosestToggle(std::string_view name) {
    const std::u32string typed = FoldedCodePoints(name);
    if (typed.empty()) return nullptr;
    const ToggleEntry* closest = nullptr;
    size_t closestDistance = 0;
    for (const ToggleEntry& entry : ToggleCatalogue()) {
        for (const std::string& candidate : {std::string(entry.stem), LabelForDisplay(entry)}) {
            const std::u32string points = FoldedCodePoints(candidate);
            const size_t distance = EditDistance(typed, points);
            if (distance > LargestTypoDistance(points.size())) continue;
            if (closest == nullptr || distance < closestDistance) {
                closest = &entry;
                closestDistance = distance;
            }
        }
    }
    return closest;
}

std::string LabelForDisplay(const ToggleEntry& entry) {
    return Utf8FromGbk(entry.label).value_or(std::string(entry.stem));
}

ResolvedToggles ResolveToggles(const std::vector<std::string>& arguments) {
    ResolvedToggles result;
    std::vector<std::string_view> namedAs(ToggleCatalogue().size());
    for (const std::string& argument : arguments) {
        std::string_view name = argument;
        const bool ticked = name.empty() || name.front() != kUntickedMark;
        if (!ticked) name.remove_prefix(1);
        if (name.empty()) {
            result.error = "empty toggle name " + Quoted(argument) + " (--list shows the toggles)";
            return result;
        }

        const ToggleEntry* entry = FindToggleByName(name);
        if (entry == nullptr) {
            result.error = "unknown toggle " + Quoted(name);
            if (const ToggleEntry* near = ClosestToggle(name)) {
                result.error += "; did you mean " + Quoted(near->stem) + " (" + LabelForDisplay(*near) + ")?";
            }
            result.error += " (--list shows the toggles)";
            return result;
        }

        std::string_view& earlier = namedAs[static_cast<size_t>(entry - ToggleCatalogue().data())];
        if (!earlier.empty()) {
            result.error = "toggle " + Quoted(entry->stem) + " is named twice, as " + Quoted(earlier) + " and " +
                           Quoted(argument) + "; each toggle is one row";
            return result;
        }
        earlier = argument;
        result.rows.push_back({entry, ticked});
    }
    return result;
}

std::vector<ToggleRow> StartUpRows() {
    std::vector<ToggleRow> rows;
    for (const ToggleEntry& entry : ToggleCatalogue()) rows.push_back({&entry, true});
    return rows;
}

}  // namespace quorrith
