// The real quorrith-cli, started as a program: the files it writes, what it
// prints, its exit status and what it leaves behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "tests/cli/expected_documents.h"
#include "tests/cli/run_program.h"
#include "tests/cli/scratch_folder.h"

namespace quorrith::test {
namespace {

constexpr char kNotificationFile[] = "WeeWindowListSetting.plist";
constexpr char kBatteryFile[] = "PanelWindowListSetting.plist";

size_t LineCount(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

bool RunningAsRoot() {
#ifdef _WIN32
    return false;
#else
    return geteuid() == 0;
#endif
}

struct ListCase {
    const char* name;
    std::vector<std::string> toggles;
    ListRows rows;  // the list the window would hold
};

ListRows StartUpRows() {
    ListRows rows;
    for (const ExpectedToggle& toggle : ExpectedToggles()) rows.emplace_back(toggle.label, 1);
    return rows;
}

std::vector<ListCase> ListCases() {
    std::vector<ListCase> cases = {
        {"no toggles: the start-up list", {}, StartUpRows()},
        {"stems, some unticked",
         {"gps", "-wifi", "sleep", "-data"},
         {RowOf("gps", 1), RowOf("wifi", 0), RowOf("sleep", 1), RowOf("data", 0)}},
        {"labels in UTF-8",
         {"数据", "-蓝牙", "锁屏", "手电筒", "-自动锁定"},
         {RowOf("data", 1), RowOf("bluetooth", 0), RowOf("sleep", 1), RowOf("flashlight", 1),
          RowOf("autolock", 0)}},
        {"labels and stems mixed, any case",
         {"WIFI", "-Bluetooth", "主屏幕", "-重启", "3g", "GPS"},
         {RowOf("wifi", 1), RowOf("bluetooth", 0), RowOf("home", 1), RowOf("reboot", 0), RowOf("3g", 1),
          RowOf("gps", 1)}},
        {"sleep not last", {"sleep", "-data"}, {RowOf("sleep", 1), RowOf("data", 0)}},
        {"after --, a leading dash still unticks", {"--", "-gps", "wifi"}, {RowOf("gps", 0), RowOf("wifi", 1)}},
    };
    ListCase reversed{"all sixteen reversed and unticked", {}, {}};
    for (auto toggle = ExpectedToggles().rbegin(); toggle != ExpectedToggles().rend(); ++toggle) {
        reversed.toggles.push_back("-" + toggle->stem);
        reversed.rows.emplace_back(toggle->label, 0);
    }
    cases.push_back(reversed);
    return cases;
}

struct EditionCase {
    std::vector<std::string> options;
    const char* fileName;
};

TEST(CliProgram, WritesTheBuildersDocumentForEachListAndEdition) {
    const std::vector<EditionCase> editions = {
        {{}, kNotificationFile},
        {{"--edition", "notification"}, kNotificationFile},
        {{"--edition=battery"}, kBatteryFile},
    };
    for (const ListCase& list : ListCases()) {
        const std::string expected = BuilderDocument(list.rows);
        for (const EditionCase& edition : editions) {
            SCOPED_TRACE(std::string(list.name) + ", file " + edition.fileName);
            ScratchFolder folder;
            ProgramRun run;
            run.arguments = edition.options;
            run.arguments.insert(run.arguments.end(), {"--out", folder.utf8()});
            run.arguments.insert(run.arguments.end(), list.toggles.begin(), list.toggles.end());

            const ProgramResult result = RunQuorrithCli(run);
            ASSERT_EQ(result.exitStatus, 0) << result.err;
            EXPECT_EQ(result.err, "");
            EXPECT_EQ(EntryNames(folder.path()), std::set<std::string>{edition.fileName});
            EXPECT_EQ(ReadBytes(folder.path() / edition.fileName), expected);
            EXPECT_EQ(LineCount(result.out), 1u) << result.out;
            EXPECT_NE(result.out.find(edition.fileName), std::string::npos) << result.out;
            EXPECT_NE(result.out.find(folder.path().filename().u8string()), std::string::npos) << result.out;
        }
    }
}

TEST(CliProgram, DefaultDocumentIsTheWindowsStartUpDocumentInTheCurrentFolder) {
    ScratchFolder folder;
    ProgramRun run;
    run.workingFolder = folder.path();
    const ProgramResult result = RunQuorrithCli(run);
    ASSERT_EQ(result.exitStatus, 0) << result.err;

    const std::string written = ReadBytes(folder.path() / kNotificationFile);
    EXPECT_EQ(written, WindowStartUpDocument());
    EXPECT_EQ(written.size(), 3716u);
    EXPECT_EQ(EntryNames(folder.path()), std::set<std::string>{kNotificationFile});
}

TEST(CliProgram, WritesIntoAFolderWithAChineseName) {
    ScratchFolder scratch;
    const fs::path folder = scratch.path() / fs::u8path("设置 文件");
    fs::create_directory(folder);
    const ProgramResult result = RunQuorrithCliWith({"--out", folder.u8string(), "--edition", "battery", "锁屏"});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(ReadBytes(folder / kBatteryFile), BuilderDocument({RowOf("sleep", 1)}));
    EXPECT_NE(result.out.find("设置 文件"), std::string::npos) << result.out;
}

TEST(CliProgram, ReplacesALongerEarlierFileWhole) {
    ScratchFolder folder;
    WriteBytes(folder.path() / kNotificationFile, std::string(10000, 'x'));
    const ProgramResult result = RunQuorrithCliWith({"--out", folder.utf8(), "wifi"});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(ReadBytes(folder.path() / kNotificationFile), BuilderDocument({RowOf("wifi", 1)}));
    EXPECT_EQ(EntryNames(folder.path()), std::set<std::string>{kNotificationFile});
}

TEST(CliProgram, StdoutGetsTheDocumentBytesAndNoFileIsWritten) {
    ScratchFolder folder;
    for (const char* edition : {"notification", "battery"}) {
        SCOPED_TRACE(edition);
        ProgramRun run{{"--stdout", "--edition", edition, "-gps", "数据"}, folder.path()};
        const ProgramResult result = RunQuorrithCli(run);
        ASSERT_EQ(result.exitStatus, 0) << result.err;
        // Exactly the bytes: no carriage returns added on the way out.
        EXPECT_EQ(result.out, BuilderDocument({RowOf("gps", 0), RowOf("data", 1)}));
        EXPECT_EQ(result.err, "");
    }
    EXPECT_TRUE(EntryNames(folder.path()).empty());
}

TEST(CliProgram, ListPrintsLabelAndStemInCatalogueOrder) {
    const ProgramResult result = RunQuorrithCliWith({"--list"});
    ASSERT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.out,
              "WIFI\twifi\n数据\tdata\n3G\t3g\n清理\tcleanup\n手电筒\tflashlight\n亮度\tbacklight\nGPS\tgps\n"
              "蓝牙\tbluetooth\n自动锁定\tautolock\n方向锁\trotation\n飞行\tairplane\n注销\trespring\n"
              "重启\treboot\n关机\tshutdown\n主屏幕\thome\n锁屏\tsleep\n");
}

TEST(CliProgram, VersionAndHelp) {
    const ProgramResult version = RunQuorrithCliWith({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out, "quorrith-cli 1.3.0\n");

    // Help wins over everything else on the line, even a toggle that does not exist.
    const ProgramResult help = RunQuorrithCliWith({"nonsense", "--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_EQ(help.out.rfind("Usage: quorrith-cli ", 0), 0u) << help.out;
    for (const char* option : {"--edition", "--out", "--stdout", "--list", "--version"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(help.err, "");
}

struct BadInputCase {
    std::vector<std::string> arguments;
    std::vector<std::string> mustSay;
    std::vector<std::string> mustNotSay;
};

TEST(CliProgram, BadInputIsRefusedWithOneLineAndStatusTwoAndNothingWritten) {
    const std::vector<BadInputCase> cases = {
        {{"gsp"}, {"unknown toggle", "'gsp'", "did you mean", "'gps'"}, {}},
        {{"wifi", "-blutooth"}, {"unknown toggle", "'blutooth'", "'bluetooth'"}, {}},
        {{"数剧"}, {"unknown toggle", "数剧", "'data'", "数据"}, {}},
        {{"xyzzy"}, {"unknown toggle", "'xyzzy'", "--list"}, {"did you mean"}},
        {{"wifi "}, {"unknown toggle", "'wifi '"}, {}},
        {{"-"}, {"empty toggle name"}, {}},
        {{"gps", "wifi", "-GPS"}, {"named twice", "'gps'", "'-GPS'"}, {}},
        {{"蓝牙", "bluetooth"}, {"named twice", "'bluetooth'"}, {}},
        {{"--bogus"}, {"unknown option", "'--bogus'"}, {}},
        {{"-list"}, {"'--list'", "two dashes"}, {}},
        {{"--list=yes"}, {"'--list'", "takes no value"}, {}},
        {{"wifi", "--out"}, {"'--out'", "needs a value"}, {}},
        {{"--edition", "--stdout"}, {"'--edition'", "needs a value"}, {}},
        {{"--edition", "tablet"}, {"unknown edition", "'tablet'", "notification", "battery"}, {}},
        {{"--out", "no-such-folder"}, {"output folder", "'no-such-folder'", "does not exist"}, {}},
        {{"--out", "no-such-folder/below"}, {"output folder", "does not exist"}, {}},
        {{"--out", "plain.txt"}, {"output folder", "'plain.txt'", "not a folder"}, {}},
        {{"--stdout", "--out", "."}, {"--stdout", "--out", "together"}, {}},
    };
    for (const BadInputCase& bad : cases) {
        std::string shown;
        for (const std::string& argument : bad.arguments) shown += "[" + argument + "]";
        SCOPED_TRACE(shown);
        ScratchFolder folder;
        WriteBytes(folder.path() / "plain.txt", "not a folder");
        const ProgramResult result = RunQuorrithCli({bad.arguments, folder.path()});

        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("quorrith-cli: ", 0), 0u) << result.err;
        EXPECT_EQ(LineCount(result.err), 1u) << result.err;
        for (const std::string& words : bad.mustSay) {
            EXPECT_NE(result.err.find(words), std::string::npos) << words << " in " << result.err;
        }
        for (const std::string& words : bad.mustNotSay) {
            EXPECT_EQ(result.err.find(words), std::string::npos) << words << " in " << result.err;
        }
        EXPECT_EQ(EntryNames(folder.path()), std::set<std::string>{"plain.txt"});
    }
}

// A refused write: status 1, one line, and the folder exactly as it was.
void ExpectWriteFailure(const ProgramResult& result, const fs::path& folder, const std::set<std::string>& entries) {
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.rfind("quorrith-cli: could not write ", 0), 0u) << result.err;
    EXPECT_EQ(LineCount(result.err), 1u) << result.err;
    EXPECT_EQ(EntryNames(folder), entries) << "no temporary file is left behind";
}

TEST(CliProgram, AFolderInTheFilesPlaceIsNotReplaced) {
    ScratchFolder folder;
    const fs::path inTheWay = folder.path() / kNotificationFile;
    fs::create_directory(inTheWay);
    WriteBytes(inTheWay / "kept.txt", "kept");

    ExpectWriteFailure(RunQuorrithCliWith({"--out", folder.utf8()}), folder.path(), {kNotificationFile});
    EXPECT_TRUE(fs::is_directory(inTheWay));
    EXPECT_EQ(ReadBytes(inTheWay / "kept.txt"), "kept");
}

TEST(CliProgram, AReadOnlyEarlierFileStaysUnchanged) {
    if (RunningAsRoot()) GTEST_SKIP() << "root may write a read-only file; run the tests as a normal user";
    ScratchFolder folder;
    const fs::path earlier = folder.path() / kBatteryFile;
    WriteBytes(earlier, "earlier content");
    fs::permissions(earlier, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    ExpectWriteFailure(RunQuorrithCliWith({"--edition", "battery", "--out", folder.utf8(), "gps"}), folder.path(),
                       {kBatteryFile});
    EXPECT_EQ(ReadBytes(earlier), "earlier content");
}

#ifndef _WIN32
TEST(CliProgram, AWriteThatFailsPartWayLeavesTheEarlierFileUnchanged) {
    ScratchFolder folder;
    const fs::path earlier = folder.path() / kNotificationFile;
    WriteBytes(earlier, "earlier content");

    // The start-up document is 3,716 bytes; the system stops the write at 1,000.
    ProgramRun run;
    run.arguments = {"--out", folder.utf8()};
    run.fileSizeLimit = 1000;
    ExpectWriteFailure(RunQuorrithCli(run), folder.path(), {kNotificationFile});
    EXPECT_EQ(ReadBytes(earlier), "earlier content");
}
#endif

}  // namespace
}  // namespace quorrith::test
