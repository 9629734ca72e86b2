// Writing the settings file: whole replacement, nothing else left in the
// folder, and folders whose names trip up byte-string path handling.

#include <windows.h>

#include <gtest/gtest.h>

#include "plist/program_directory.h"
#include "plist/write_bytes_to_file.h"
#include "tests/windows/test_folder.h"

namespace quorrith {
namespace {

using test::FolderEntries;
using test::kNotificationFile;
using test::ReadBytes;
using test::TestFolder;

const std::string kDocument = "<?xml version=\"1.0\"?>\n<plist/>\n";

TEST(WriteBytesToFile, CreatesTheFileWithExactlyTheBytes) {
    TestFolder folder;
    ASSERT_TRUE(WriteBytesToFile(folder / kNotificationFile, kDocument));
    EXPECT_EQ(ReadBytes(folder / kNotificationFile), kDocument);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::wstring>{kNotificationFile}) << "no temporary file left";
}

TEST(WriteBytesToFile, ReplacesALongerFileEntirely) {
    TestFolder folder;
    ASSERT_TRUE(test::WriteBytes(folder / kNotificationFile, std::string(10000, 'x')));
    ASSERT_TRUE(WriteBytesToFile(folder / kNotificationFile, kDocument));
    EXPECT_EQ(ReadBytes(folder / kNotificationFile), kDocument);
    ASSERT_TRUE(WriteBytesToFile(folder / kNotificationFile, kDocument)) << "a second write of the same file";
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::wstring>{kNotificationFile});
}

TEST(WriteBytesToFile, EmptyBlockGivesAnEmptyFile) {
    TestFolder folder;
    ASSERT_TRUE(WriteBytesToFile(folder / kNotificationFile, ""));
    EXPECT_EQ(ReadBytes(folder / kNotificationFile), "");
}

TEST(WriteBytesToFile, EmptyPathIsRefused) { EXPECT_FALSE(WriteBytesToFile(L"", kDocument)); }

TEST(WriteBytesToFile, FoldersWithAwkwardNames) {
    std::vector<test::AwkwardFolderName> cases(std::begin(test::kAwkwardFolderNames),
                                               std::end(test::kAwkwardFolderNames));
    cases.push_back({"spaces and a dot", L" my tools.v1"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder folder(c.name);
        ASSERT_TRUE(WriteBytesToFile(folder / kNotificationFile, kDocument));
        EXPECT_EQ(ReadBytes(folder / kNotificationFile), kDocument);
        EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::wstring>{kNotificationFile});
    }
}

TEST(WriteBytesToFile, PathsLongerThanTheOldLimit) {
    TestFolder folder;
    std::wstring deep = folder.path();
    while (deep.size() < 400) {
        deep += L"\\" + std::wstring(60, L'd');
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + deep).c_str(), nullptr));
    }
    ASSERT_TRUE(WriteBytesToFile(deep + L"\\" + kNotificationFile, kDocument));
    EXPECT_EQ(ReadBytes(deep + L"\\" + kNotificationFile), kDocument);
    EXPECT_EQ(FolderEntries(deep), std::vector<std::wstring>{kNotificationFile});
}

TEST(WriteBytesToFile, RootOfADrive) {
    // The test script maps a spare drive letter to an empty folder.
    const std::wstring drive = test::EnvironmentValue(L"QUORRITH_TEST_DRIVE");
    if (drive.empty()) GTEST_SKIP() << "QUORRITH_TEST_DRIVE names no spare drive";
    const std::wstring path = drive + L"\\" + kNotificationFile;
    ASSERT_TRUE(WriteBytesToFile(path, kDocument));
    EXPECT_EQ(ReadBytes(path), kDocument);
    EXPECT_EQ(FolderEntries(drive), std::vector<std::wstring>{kNotificationFile});
    DeleteFileW(path.c_str());
}

TEST(ProgramDirectory, IsEverythingBeforeTheLastBackslash) {
    const struct {
        std::wstring path;
        std::wstring directory;
    } cases[] = {
        {L"C:\\tools\\Quorrith.exe", L"C:\\tools"},
        {L"Q:\\Quorrith.exe", L"Q:"},
        {L"C:\\\x4E57\\Quorrith.exe", L"C:\\\x4E57"},  // 乗: its GBK second byte is no separator here
        {L"\\\\server\\share\\Quorrith.exe", L"\\\\server\\share"},
        {L"Quorrith.exe", L""},
        {L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirectoryOfPath(c.path), c.directory) << test::Utf8(c.path);
    }
}

}  // namespace
}  // namespace quorrith
