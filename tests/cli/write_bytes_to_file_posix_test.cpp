// The POSIX file replacement: all of the block in place, or the earlier file
// exactly as it was and nothing left beside it.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "plist/write_bytes_to_file.h"
#include "tests/cli/scratch_folder.h"

namespace quorrith::test {
namespace {

const std::string kEarlier = "earlier content\n";

std::string Pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 131 + 7);
    return bytes;
}

TEST(WriteBytesToFilePosix, PutsTheWholeBlockInPlace) {
    const struct {
        const char* name;
        bool earlierFile;
        std::string bytes;
    } cases[] = {
        {"new file", false, "<?xml\n"},
        {"replaces a longer file", true, "short"},
        {"replaces a shorter file", true, Pattern(3 << 20)},
        {"empty block", true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder folder;
        const fs::path target = folder.path() / "settings.plist";
        if (c.earlierFile) WriteBytes(target, std::string(100000, 'x'));

        EXPECT_TRUE(WriteBytesToFile(target.string(), c.bytes));
        EXPECT_EQ(ReadBytes(target), c.bytes);
        EXPECT_EQ(EntryNames(folder.path()), std::set<std::string>{"settings.plist"});
    }
}

TEST(WriteBytesToFilePosix, ANewFileGetsTheModeTheUmaskAllows) {
    ScratchFolder folder;
    const fs::path target = folder.path() / "settings.plist";
    const mode_t previous = umask(027);
    const bool written = WriteBytesToFile(target.string(), "x");
    umask(previous);
    ASSERT_TRUE(written);
    struct stat status {};
    ASSERT_EQ(stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST(WriteBytesToFilePosix, ARelativePathIsTakenFromTheCurrentFolder) {
    ScratchFolder folder;
    const fs::path previous = fs::current_path();
    fs::current_path(folder.path());
    const bool written = WriteBytesToFile("settings.plist", "relative");
    fs::current_path(previous);
    EXPECT_TRUE(written);
    EXPECT_EQ(ReadBytes(folder.path() / "settings.plist"), "relative");
}

TEST(WriteBytesToFilePosix, RefusesWithoutTouchingAnything) {
    ScratchFolder folder;
    EXPECT_FALSE(WriteBytesToFile("", "bytes"));

    const fs::path directory = folder.path() / "settings.plist";
    fs::create_directory(directory);
    WriteBytes(directory / "inside", kEarlier);
    EXPECT_FALSE(WriteBytesToFile(directory.string(), "bytes"));
    EXPECT_TRUE(fs::is_directory(directory));
    EXPECT_EQ(ReadBytes(directory / "inside"), kEarlier);

    EXPECT_FALSE(WriteBytesToFile((folder.path() / "missing" / "settings.plist").string(), "bytes"));
    EXPECT_EQ(EntryNames(folder.path()), std::set<std::string>{"settings.plist"});
}

// Running as root the system grants every write, so the refusals below
// cannot be seen.
#define SKIP_AS_ROOT() \
    if (geteuid() == 0) GTEST_SKIP() << "root may write anything; run the tests as a normal user"

TEST(WriteBytesToFilePosix, AReadOnlyFileStaysAsItWas) {
    SKIP_AS_ROOT();
    ScratchFolder folder;
    const fs::path target = folder.path() / "settings.plist";
    WriteBytes(target, kEarlier);
    fs::permissions(target, fs::perms::owner_read);

    EXPECT_FALSE(WriteBytesToFile(target.string(), "new"));
    EXPECT_EQ(ReadBytes(target), kEarlier);
    EXPECT_EQ(EntryNames(folder.path()), std::set<std::string>{"settings.plist"});
}

TEST(WriteBytesToFilePosix, AFolderThatTakesNoNewFilesKeepsTheEarlierFile) {
    SKIP_AS_ROOT();
    ScratchFolder folder;
    const fs::path target = folder.path() / "settings.plist";
    WriteBytes(target, kEarlier);
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);

    const bool written = WriteBytesToFile(target.string(), "new");
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(target), kEarlier);
    EXPECT_EQ(EntryNames(folder.path()), std::set<std::string>{"settings.plist"});
}

TEST(WriteBytesToFilePosix, AWriteThatFailsPartWayLeavesNoTraceAndTheEarlierFile) {
    ScratchFolder folder;
    const fs::path target = folder.path() / "settings.plist";
    WriteBytes(target, kEarlier);

    // In a child, so that the file-size limit stays there. Past it a write
    // fails with EFBIG (the signal that would end the process is ignored).
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(WriteBytesToFile(target.string(), Pattern(100000)) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1) << "the write reported success";
    EXPECT_EQ(ReadBytes(target), kEarlier);
    EXPECT_EQ(EntryNames(folder.path()), std::set<std::string>{"settings.plist"});
}

}  // namespace
}  // namespace quorrith::test
