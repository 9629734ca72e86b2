// Reading the arguments: option forms, where options may stand, and which
// action wins.

#include <gtest/gtest.h>

#include "cli/command_line.h"

namespace quorrith {
namespace {

using Arguments = std::vector<std::string>;

CommandLine Parsed(const Arguments& arguments) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    EXPECT_EQ(parsed.error, "");
    return parsed.commandLine;
}

TEST(CommandLine, NothingGivenWritesTheNotificationFileHere) {
    const CommandLine line = Parsed({});
    EXPECT_EQ(line.action, CliAction::WriteFile);
    EXPECT_EQ(line.edition, Edition::NotificationCenter);
    EXPECT_EQ(line.outputFolder, std::nullopt);
    EXPECT_TRUE(line.toggles.empty());
}

TEST(CommandLine, OptionsMayStandAmongTheTogglesInEitherForm) {
    for (const Arguments& arguments : {Arguments{"--edition", "battery", "gps", "--out", "dir", "-wifi"},
                                       Arguments{"gps", "--out=dir", "-wifi", "--edition=battery"}}) {
        const CommandLine line = Parsed(arguments);
        EXPECT_EQ(line.action, CliAction::WriteFile);
        EXPECT_EQ(line.edition, Edition::TapBattery);
        EXPECT_EQ(line.outputFolder, "dir");
        EXPECT_EQ(line.toggles, (Arguments{"gps", "-wifi"}));
    }
}

TEST(CommandLine, AValueMayStartWithADashOrBeEmpty) {
    EXPECT_EQ(Parsed({"--out", "-odd-folder"}).outputFolder, "-odd-folder");
    EXPECT_EQ(Parsed({"--out=--odd"}).outputFolder, "--odd");
    EXPECT_EQ(Parsed({"--out="}).outputFolder, "");
}

TEST(CommandLine, DoubleDashEndsTheOptions) {
    const CommandLine line = Parsed({"--stdout", "--", "--list", "-gps", "--"});
    EXPECT_EQ(line.action, CliAction::PrintDocument);
    EXPECT_EQ(line.toggles, (Arguments{"--list", "-gps", "--"}));
}

TEST(CommandLine, HelpWinsOverVersionWhichWinsOverListWhichWinsOverStdout) {
    EXPECT_EQ(Parsed({"--stdout", "--list", "--version", "--help"}).action, CliAction::ShowHelp);
    EXPECT_EQ(Parsed({"--list", "--version", "--stdout"}).action, CliAction::ShowVersion);
    EXPECT_EQ(Parsed({"gps", "--stdout", "--list"}).action, CliAction::ListToggles);
    EXPECT_EQ(Parsed({"gps", "--stdout"}).action, CliAction::PrintDocument);
}

TEST(CommandLine, TheFirstProblemIsReported) {
    const struct {
        Arguments arguments;
        const char* words;
    } cases[] = {
        {{"--bogus", "--out"}, "unknown option '--bogus'"},
        {{"--out"}, "option '--out' needs a value"},
        {{"--out", "--list"}, "option '--out' needs a value"},
        {{"--edition", "Battery"}, "unknown edition 'Battery'"},
        {{"--help=1"}, "option '--help' takes no value"},
        {{"-out", "dir"}, "options take two dashes: '--out'"},
        {{"-h"}, "options take two dashes: '--help'"},
        {{"--stdout", "--out", "dir"}, "--stdout and --out cannot be used together"},
    };
    for (const auto& c : cases) {
        const std::string error = ParseCommandLine(c.arguments).error;
        EXPECT_NE(error.find(c.words), std::string::npos) << c.arguments[0] << ": " << error;
    }
}

}  // namespace
}  // namespace quorrith
