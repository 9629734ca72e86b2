// Writes the document that a generation right after start-up produces (the
// list filled by the window's own start-up code), built by the real builder
// over the in-memory list. The floor program embeds these bytes.

#include <fstream>
#include <iostream>

#include "listctl/memory_list.h"
#include "plist/plist_document_builder.h"
#include "ui/populate_toggle_list.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_startup_document FILE\n";
        return 2;
    }
    quorrith::ResetMemoryList();
    quorrith::PopulateToggleList();
    const std::string document = quorrith::BuildPlistDocument();
    std::ofstream out(argv[1], std::ios::binary);
    out.write(document.data(), static_cast<std::streamsize>(document.size()));
    out.close();
    if (!out) {
        std::cerr << "write_startup_document: cannot write " << argv[1] << "\n";
        return 1;
    }
    std::cout << document.size() << "\n";
    return 0;
}
