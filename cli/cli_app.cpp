#include "cli/cli_app.h"

#include <string_view>

#include "cli/command_line.h"
#include "cli/output_folder.h"
#include "listctl/memory_list.h"
#include "plist/plist_document_builder.h"
#include "plist/write_bytes_to_file.h"

#ifndef QUORRITH_CLI_VERSION
#error "the build defines QUORRITH_CLI_VERSION"
#endif

namespace quorrith {

namespace {

constexpr std::string_view kProgram = "quorrith-cli";
constexpr std::string_view kDeviceFolder = "/var/mobile/Library/kBatteryDoctor";

constexpr std::string_view kHelp =
    "Usage: quorrith-cli [--edition notification|battery] [--out DIR] [TOGGLE ...]\n"
    "       quorrith-cli --stdout [--edition notification|battery] [TOGGLE ...]\n"
    "       quorrith-cli --list | --help | --version\n"
    "\n"
    "Writes the quick-toggle settings file of kBatteryDoctor, byte for byte as the\n"
    "Quorrith window writes it for the same list.\n"
    "\n"
    "Each TOGGLE is one row of the list, in order: a stem (wifi, data, gps, ...)\n"
    "or its label (数据, 蓝牙, ...). A leading '-' leaves the row unticked, as in\n"
    "-gps. Toggles not named are not in the file. With no TOGGLE the list is the\n"
    "window's start-up list: all sixteen toggles in their usual order, ticked.\n"
    "\n"
    "Options:\n"
    "  --edition notification  write WeeWindowListSetting.plist (the default)\n"
    "  --edition battery       write PanelWindowListSetting.plist\n"
    "  --out DIR               the folder to write into (default: the current one)\n"
    "  --stdout                print the document instead of writing the file\n"
    "  --list                  print the sixteen toggles: label, then stem\n"
    "  --help                  print this help\n"
    "  --version               print the version\n"
    "  --                      every argument after this names a toggle\n"
    "\n"
    "Copy the file to /var/mobile/Library/kBatteryDoctor on the device.\n"
    "\n"
    "Exit status: 0 done; 1 the file could not be written (an earlier file of\n"
    "that name is left as it was); 2 a bad command line, nothing written.\n";

int BadInput(std::string& err, const std::string& message) {
    err += std::string(kProgram) + ": " + message + "\n";
    return kExitBadInput;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string ToggleList() {
    std::string list;
    for (const ToggleEntry& entry : ToggleCatalogue()) {
        list += LabelForDisplay(entry) + "\t" + std::string(entry.stem) + "\n";
    }
    return list;
}

std::string FolderProblem(FolderState state, const std::string& name) {
    switch (state) {
        case FolderState::Missing: return "output folder " + Quoted(name) + " does not exist";
        case FolderState::NotAFolder: return "output folder " + Quoted(name) + " is not a folder";
        default: return "output folder " + Quoted(name) + " cannot be reached";
    }
}

}  // namespace

std::string DocumentForRows(const std::vector<ToggleRow>& rows) {
    // The same list the window would hold: label text and tick, row by row.
    std::vector<std::pair<std::string, StateImage>> listRows;
    listRows.reserve(rows.size());
    for (const ToggleRow& row : rows) listRows.emplace_back(std::string(row.entry->label), row.ticked ? 1 : 0);
    ResetMemoryList();
    LoadMemoryList(listRows);
    std::string document = BuildPlistDocument();
    ResetMemoryList();
    return document;
}

int RunCli(const std::vector<std::string>& arguments, std::string& out, std::string& err) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.error.empty()) return BadInput(err, parsed.error);
    const CommandLine& line = parsed.commandLine;

    switch (line.action) {
        case CliAction::ShowHelp: out += kHelp; return kExitSuccess;
        case CliAction::ShowVersion: out += std::string(kProgram) + " " QUORRITH_CLI_VERSION "\n"; return kExitSuccess;
        case CliAction::ListToggles: out += ToggleList(); return kExitSuccess;
        case CliAction::PrintDocument:
        case CliAction::WriteFile: break;
    }

    std::vector<ToggleRow> rows = StartUpRows();
    if (!line.toggles.empty()) {
        ResolvedToggles resolved = ResolveToggles(line.toggles);
        if (!resolved.error.empty()) return BadInput(err, resolved.error);
        rows = std::move(resolved.rows);
    }

    // Everything that can be refused is checked before any file is touched.
    OutputFolder folder;
    if (line.action == CliAction::WriteFile) {
        const std::string folderName = line.outputFolder.value_or(".");
        folder = FindOutputFolder(folderName);
        if (folder.state != FolderState::Found) return BadInput(err, FolderProblem(folder.state, folderName));
    }

    const std::string document = DocumentForRows(rows);
    if (line.action == CliAction::PrintDocument) {
        out += document;
        return kExitSuccess;
    }

    const NativePath path = SettingsFilePath(folder.path, line.edition);
    const std::string shownPath = Utf8FromNativePath(path);
    if (!WriteBytesToFile(path, document)) {
        err += std::string(kProgram) + ": could not write " + Quoted(shownPath) +
               "; an earlier file of that name is left as it was\n";
        return kExitWriteFailed;
    }
    out += "Wrote " + shownPath + "; copy it to " + std::string(kDeviceFolder) + " on the device\n";
    return kExitSuccess;
}

}  // namespace quorrith
