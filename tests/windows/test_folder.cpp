#include "tests/windows/test_folder.h"

#include <windows.h>

#include <algorithm>

namespace quorrith::test {

namespace {

std::wstring Extended(const std::wstring& path) {
    return path.rfind(L"\\\\?\\", 0) == 0 ? path : L"\\\\?\\" + path;
}

}  // namespace

std::wstring EnvironmentValue(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

std::string Utf8(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
    return text;
}

TestFolder::TestFolder(const std::wstring& nameSuffix) {
    std::wstring base = EnvironmentValue(L"QUORRITH_TEST_TMP");
    if (base.empty()) {
        wchar_t temp[MAX_PATH + 1];
        base.assign(temp, GetTempPathW(MAX_PATH + 1, temp));
    }
    if (!base.empty() && base.back() == L'\\') base.pop_back();
    static int counter = 0;
    path_ = base + L"\\q" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + nameSuffix;
    CreateDirectoryW(Extended(path_).c_str(), nullptr);
}

TestFolder::~TestFolder() { RemoveTree(path_); }

std::optional<std::string> ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(Extended(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(Extended(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    return CloseHandle(file) && ok;
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Extended(folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::wstring& path) {
    const std::wstring extended = Extended(path);
    const DWORD attributes = GetFileAttributesW(extended.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(extended.c_str(), FILE_ATTRIBUTE_NORMAL | (attributes & FILE_ATTRIBUTE_DIRECTORY));
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const std::wstring& name : FolderEntries(path)) RemoveTree(path + L"\\" + name);
        RemoveDirectoryW(extended.c_str());
    } else {
        DeleteFileW(extended.c_str());
    }
}

}  // namespace quorrith::test
