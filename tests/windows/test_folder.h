#pragma once
// Scratch folders and file helpers for the Windows-side tests.

#include <optional>
#include <string>
#include <vector>

namespace quorrith::test {

// The two settings files, as the program names them.
inline const std::wstring kNotificationFile = L"WeeWindowListSetting.plist";
inline const std::wstring kTapBatteryFile = L"PanelWindowListSetting.plist";

// Folder names that defeat byte-string path handling.
struct AwkwardFolderName {
    const char* what;
    std::wstring name;
};
inline const AwkwardFolderName kAwkwardFolderNames[] = {
    {"GBK character whose second byte is a backslash", L"\x4E57"},  // 乗, GBK 81 5C
    {"characters outside GBK", L"\xD55C-\xD83D\xDE00"},            // 한 and an emoji
};

// A fresh folder under %TEMP% (or QUORRITH_TEST_TMP), removed with all it
// holds when the object goes.
class TestFolder {
public:
    explicit TestFolder(const std::wstring& nameSuffix = L"");
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

std::optional<std::string> ReadBytes(const std::wstring& path);
bool WriteBytes(const std::wstring& path, const std::string& bytes);
// The names in a folder, sorted, without "." and "..".
std::vector<std::wstring> FolderEntries(const std::wstring& folder);
// Removes a file or folder tree, clearing read-only attributes on the way.
void RemoveTree(const std::wstring& path);
// A variable of the environment, empty when unset.
std::wstring EnvironmentValue(const wchar_t* name);
std::string Utf8(const std::wstring& wide);

}  // namespace quorrith::test
