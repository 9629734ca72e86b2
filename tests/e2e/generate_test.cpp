// Pressing 生成plist: the right file, byte for byte, and one message.

#include "tests/e2e/e2e_fixture.h"

namespace quorrith::e2e {
namespace {

using test::FolderEntries;
using test::ReadBytes;

using Generate = E2ETest;

TEST_F(Generate, AtOnceWritesTheStartUpDocumentForTheNotificationCentre) {
    GenerateExpecting(kSuccessText);
    EXPECT_EQ(ReadBytes(FileIn(kNotificationFile)), StartUpDocument());
    EXPECT_EQ(FolderEntries(app().folder()), (std::vector<std::wstring>{L"Quorrith.exe", kNotificationFile}));
    EXPECT_TRUE(app().WaitForFocus(control(kIdGenerate))) << "the focus comes back to the button";
}

TEST_F(Generate, EditionButtonsPickTheFile) {
    app().Click(control(kIdRadioTapBattery));
    EXPECT_TRUE(app().Checked(kIdRadioTapBattery));
    EXPECT_FALSE(app().Checked(kIdRadioNotification));
    GenerateExpecting(kSuccessText);
    EXPECT_EQ(ReadBytes(FileIn(kTapBatteryFile)), StartUpDocument());
    EXPECT_FALSE(ReadBytes(FileIn(kNotificationFile)).has_value());

    ASSERT_TRUE(test::WriteBytes(FileIn(kTapBatteryFile), "left alone"));
    app().Click(control(kIdRadioNotification));
    EXPECT_TRUE(app().Checked(kIdRadioNotification));
    EXPECT_FALSE(app().Checked(kIdRadioTapBattery));
    GenerateExpecting(kSuccessText);
    EXPECT_EQ(ReadBytes(FileIn(kNotificationFile)), StartUpDocument());
    EXPECT_EQ(ReadBytes(FileIn(kTapBatteryFile)), "left alone");
}

TEST_F(Generate, TwiceReplacesALongerFileAndSucceedsBothTimes) {
    ASSERT_TRUE(test::WriteBytes(FileIn(kNotificationFile), std::string(9000, 'x')));
    GenerateExpecting(kSuccessText);
    GenerateExpecting(kSuccessText);
    EXPECT_EQ(ReadBytes(FileIn(kNotificationFile)), StartUpDocument());
}

TEST_F(Generate, SpaceOnTheButtonGeneratesAndEnterDoesNothing) {
    ASSERT_EQ(app().Focus(), control(kIdGenerate));
    app().Press(VK_RETURN);
    EXPECT_FALSE(app().WaitForMessageBox(700).has_value());
    EXPECT_FALSE(ReadBytes(FileIn(kNotificationFile)).has_value());

    app().Press(VK_SPACE);
    const auto box = app().WaitForMessageBox();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, Wide(kSuccessText));
    app().CloseMessageBoxWithOk();
    EXPECT_EQ(ReadBytes(FileIn(kNotificationFile)), StartUpDocument());
}

TEST_F(Generate, ReadOnlyFileGivesTheFailureMessageAndStaysAsItWas) {
    ASSERT_TRUE(test::WriteBytes(FileIn(kNotificationFile), "earlier"));
    ASSERT_TRUE(SetFileAttributesW(FileIn(kNotificationFile).c_str(), FILE_ATTRIBUTE_READONLY));
    GenerateExpecting(kFailureText);
    EXPECT_EQ(ReadBytes(FileIn(kNotificationFile)), "earlier");
    EXPECT_EQ(FolderEntries(app().folder()), (std::vector<std::wstring>{L"Quorrith.exe", kNotificationFile}));
}

TEST_F(Generate, FileHeldOpenOrADirectoryGivesTheFailureMessage) {
    ASSERT_TRUE(test::WriteBytes(FileIn(kNotificationFile), "earlier"));
    HANDLE held = CreateFileW(FileIn(kNotificationFile).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    GenerateExpecting(kFailureText);
    CloseHandle(held);
    EXPECT_EQ(ReadBytes(FileIn(kNotificationFile)), "earlier");

    ASSERT_TRUE(CreateDirectoryW(FileIn(kTapBatteryFile).c_str(), nullptr));
    app().Click(control(kIdRadioTapBattery));
    GenerateExpecting(kFailureText);
    EXPECT_EQ(FolderEntries(app().folder()),
              (std::vector<std::wstring>{kTapBatteryFile, L"Quorrith.exe", kNotificationFile}));
}

// The program started from folders that defeat byte-string path handling.
class GenerateElsewhere : public E2ETest {
protected:
    void SetUp() override {}
};

// A program path past 260 characters cannot be started at all (CreateProcess
// refuses it), so long paths are covered by the writer's own tests.
TEST_F(GenerateElsewhere, FoldersWithAwkwardNames) {
    struct Case {
        const char* what;
        std::vector<std::wstring> folders;  // one inside the other
    };
    std::vector<Case> cases;
    for (const auto& awkward : test::kAwkwardFolderNames) cases.push_back({awkward.what, {awkward.name}});
    cases.push_back({"nested folders", {std::wstring(60, L'a'), std::wstring(60, L'b')}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::wstring folder = folder_.path();
        for (const std::wstring& name : c.folders) {
            folder += L"\\" + name;
            ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + folder).c_str(), nullptr));
        }
        StartIn(folder);
        GenerateExpecting(kSuccessText);
        EXPECT_EQ(ReadBytes(folder + L"\\" + kNotificationFile), StartUpDocument());
        app_.reset();
    }
}

TEST_F(GenerateElsewhere, RootOfADrive) {
    const std::wstring drive = test::EnvironmentValue(L"QUORRITH_TEST_DRIVE");
    if (drive.empty()) GTEST_SKIP() << "QUORRITH_TEST_DRIVE names no spare drive";
    StartIn(drive);
    GenerateExpecting(kSuccessText);
    EXPECT_EQ(ReadBytes(drive + L"\\" + kNotificationFile), StartUpDocument());
    app_.reset();
    test::RemoveTree(drive + L"\\" + kNotificationFile);
    test::RemoveTree(drive + L"\\Quorrith.exe");
}

}  // namespace
}  // namespace quorrith::e2e
