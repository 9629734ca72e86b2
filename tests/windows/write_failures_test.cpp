// Every way the write can fail leaves the earlier file byte for byte as it
// was and the folder as it was: no temporary file left behind.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "plist/write_bytes_to_file.h"
#include "tests/windows/test_folder.h"

namespace quorrith {
namespace {

using test::FolderEntries;
using test::kNotificationFile;
using test::ReadBytes;
using test::TestFolder;

const std::string kEarlier = "earlier settings, longer than nothing\n";
const std::string kDocument(3716, 'n');

using Hold = std::shared_ptr<void>;

Hold HoldOpen(const std::wstring& path, DWORD share) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    return Hold(file, [](void* handle) { CloseHandle(handle); });
}

struct FailureCase {
    const char* what;
    bool earlierFile;
    std::function<Hold(const std::wstring& target)> arrange;
};

const FailureCase kCases[] = {
    {"read-only file", true,
     [](const std::wstring& target) {
         EXPECT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
         return Hold();
     }},
    {"file held open without sharing", true, [](const std::wstring& target) { return HoldOpen(target, 0); }},
    {"file held open with read and write sharing", true,
     [](const std::wstring& target) { return HoldOpen(target, FILE_SHARE_READ | FILE_SHARE_WRITE); }},
    {"directory of that name", false,
     [](const std::wstring& target) {
         EXPECT_TRUE(CreateDirectoryW(target.c_str(), nullptr));
         return Hold();
     }},
};

TEST(WriteBytesToFileFailures, LeaveTheEarlierFileAndTheFolderAlone) {
    for (const FailureCase& c : kCases) {
        SCOPED_TRACE(c.what);
        TestFolder folder;
        const std::wstring target = folder / kNotificationFile;
        if (c.earlierFile) {
            ASSERT_TRUE(test::WriteBytes(target, kEarlier));
        }
        {
            const Hold hold = c.arrange(target);
            const std::vector<std::wstring> before = FolderEntries(folder.path());
            EXPECT_FALSE(WriteBytesToFile(target, kDocument));
            EXPECT_EQ(FolderEntries(folder.path()), before);
        }
        if (c.earlierFile) {
            EXPECT_EQ(ReadBytes(target), kEarlier);
        }
    }
}

TEST(WriteBytesToFileFailures, MissingFolder) {
    TestFolder folder;
    EXPECT_FALSE(WriteBytesToFile(folder / L"absent\\" + kNotificationFile, kDocument));
    EXPECT_TRUE(FolderEntries(folder.path()).empty());
}

// Folders the test script prepares outside Wine, each holding an earlier
// settings file: one the user may not write to, one on a full file system.
void ExpectRefusedIn(const wchar_t* variable, const char* why) {
    const std::wstring folder = test::EnvironmentValue(variable);
    if (folder.empty()) GTEST_SKIP() << why;
    const std::wstring target = folder + L"\\" + kNotificationFile;
    const std::optional<std::string> earlier = ReadBytes(target);
    ASSERT_TRUE(earlier.has_value()) << "the script leaves an earlier file there";
    const std::vector<std::wstring> before = FolderEntries(folder);
    EXPECT_FALSE(WriteBytesToFile(target, kDocument));
    EXPECT_EQ(ReadBytes(target), earlier);
    EXPECT_EQ(FolderEntries(folder), before);
}

TEST(WriteBytesToFileFailures, FolderTheUserMayNotWriteTo) {
    ExpectRefusedIn(L"QUORRITH_TEST_LOCKED_DIR", "QUORRITH_TEST_LOCKED_DIR names no locked folder");
}

TEST(WriteBytesToFileFailures, FullDisk) {
    ExpectRefusedIn(L"QUORRITH_TEST_FULL_DIR", "QUORRITH_TEST_FULL_DIR names no full file system");
}

}  // namespace
}  // namespace quorrith
