#pragma once
// Turns the rows of the toggle list into the whole text of the settings file.

#include <string>
#include <string_view>

namespace quorrith {

// The DOCTYPE names Apple's published DTD for property lists.
constexpr std::string_view kPlistHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n"
    "<array>\n"
    "\t";
constexpr std::string_view kPlistFooter = "\n</array>\n</plist>\n";

// Header, one entry for each ticked or unticked row whose text is a toggle
// label (in row order), footer. Rows without a check box or with any other
// text add nothing. The result is pure ASCII.
std::string BuildPlistDocument();

}  // namespace quorrith
