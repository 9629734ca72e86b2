#include "cli/text_encoding.h"

#include <iconv.h>

namespace quorrith {

namespace {

// One whole, strict conversion: any byte that cannot be carried over fails it.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view input) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;

    // GBK to UTF-8 grows at most from 2 to 3 bytes, UTF-8 to GBK only shrinks.
    std::string output(input.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);

    // A non-zero count means characters were replaced rather than converted.
    if (result != 0 || inLeft != 0) return std::nullopt;
    output.resize(output.size() - outLeft);
    return output;
}

}  // namespace

std::optional<std::string> GbkFromUtf8(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8); }

std::optional<std::string> Utf8FromGbk(std::string_view gbk) { return Convert("UTF-8", "GBK", gbk); }

}  // namespace quorrith
