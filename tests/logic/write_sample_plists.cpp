// Writes a few documents into a folder for a real property-list parser to read.

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "catalogue/toggle_catalogue.h"
#include "listctl/memory_list.h"
#include "plist/plist_document_builder.h"

using namespace quorrith;

namespace {

bool Write(const std::string& path, const std::vector<std::pair<std::string, StateImage>>& rows) {
    ResetMemoryList();
    LoadMemoryList(rows);
    const std::string document = BuildPlistDocument();
    std::ofstream out(path, std::ios::binary);
    out.write(document.data(), static_cast<std::streamsize>(document.size()));
    return static_cast<bool>(out);
}

std::string Label(size_t index) { return std::string(ToggleCatalogue()[index].label); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_sample_plists FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<std::pair<std::string, StateImage>> startUp;
    for (size_t i = 0; i < ToggleCatalogue().size(); ++i) startUp.emplace_back(Label(i), 1);

    const bool ok =
        Write(folder + "/startup.plist", startUp) && Write(folder + "/empty.plist", {}) &&
        Write(folder + "/worked.plist", {{Label(0), 1}, {Label(15), 0}}) &&
        Write(folder + "/sleep_first.plist", {{Label(15), 1}, {Label(1), 0}}) &&
        Write(folder + "/mixed.plist",
              {{Label(6), 0}, {"junk", 1}, {Label(6), 1}, {Label(3), -1}, {Label(12), 0}});
    return ok ? 0 : 1;
}
