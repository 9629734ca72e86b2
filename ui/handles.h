#pragma once
// Owners for the few kernel and GDI objects the program holds.

#include <windows.h>

namespace quorrith {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }
    // Closes now and says whether the system reported success.
    bool close() {
        if (!valid()) return false;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

class FontHandle {
public:
    FontHandle() = default;
    explicit FontHandle(HFONT font) : font_(font) {}
    ~FontHandle() { reset(); }
    FontHandle(const FontHandle&) = delete;
    FontHandle& operator=(const FontHandle&) = delete;

    HFONT get() const { return font_; }
    void reset(HFONT font = nullptr) {
        if (font_ != nullptr) DeleteObject(font_);
        font_ = font;
    }

private:
    HFONT font_ = nullptr;
};

}  // namespace quorrith
