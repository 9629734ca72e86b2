#include "cli/text_encoding.h"

#include <windows.h>

namespace quorrith {

namespace {

// The window keeps its labels in code page 936, whatever the system's ANSI
// code page is; so does the command line.
constexpr UINT kGbkCodePage = 936;

std::optional<std::wstring> WideFrom(UINT codePage, DWORD flags, std::string_view text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length);
    return wide;
}

std::string Utf8FromWideText(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

}  // namespace

std::optional<std::string> GbkFromUtf8(std::string_view utf8) {
    const std::optional<std::wstring> wide = WideFrom(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    if (!wide) return std::nullopt;
    if (wide->empty()) return std::string();

    // No best-fit look-alikes: a character GBK lacks must not turn into a label.
    const int size = static_cast<int>(wide->size());
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide->data(), size, nullptr, 0,
                                           nullptr, &usedDefault);
    if (length <= 0 || usedDefault) return std::nullopt;
    std::string gbk(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide->data(), size, gbk.data(), length, nullptr,
                        &usedDefault);
    if (usedDefault) return std::nullopt;
    return gbk;
}

std::optional<std::string> Utf8FromGbk(std::string_view gbk) {
    const std::optional<std::wstring> wide = WideFrom(kGbkCodePage, MB_ERR_INVALID_CHARS, gbk);
    if (!wide) return std::nullopt;
    return Utf8FromWideText(*wide);
}

std::wstring WideFromUtf8(std::string_view utf8) { return WideFrom(CP_UTF8, 0, utf8).value_or(std::wstring()); }

std::string Utf8FromWide(std::wstring_view wide) { return Utf8FromWideText(wide); }

}  // namespace quorrith
