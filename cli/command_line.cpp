#include "cli/command_line.h"

#include <string_view>

#include "cli/toggle_names.h"

namespace quorrith {

namespace {

constexpr std::string_view kOptionsEnd = "--";

struct OptionNames {
    static constexpr std::string_view edition = "edition";
    static constexpr std::string_view out = "out";
    static constexpr std::string_view stdoutFlag = "stdout";
    static constexpr std::string_view list = "list";
    static constexpr std::string_view help = "help";
    static constexpr std::string_view version = "version";
};

bool TakesValue(std::string_view name) { return name == OptionNames::edition || name == OptionNames::out; }

bool IsFlag(std::string_view name) {
    return name == OptionNames::stdoutFlag || name == OptionNames::list || name == OptionNames::help ||
           name == OptionNames::version;
}

// "-list" is no toggle; its writer surely meant the option.
bool LooksLikeSingleDashOption(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-' || argument[1] == '-') return false;
    const std::string_view name = argument.substr(1);
    return (TakesValue(name) || IsFlag(name) || name == "h") && FindToggleByName(name) == nullptr;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

bool ParseEdition(std::string_view value, Edition& edition) {
    if (value == "notification") {
        edition = Edition::NotificationCenter;
    } else if (value == "battery") {
        edition = Edition::TapBattery;
    } else {
        return false;
    }
    return true;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    CommandLine& line = parsed.commandLine;
    bool print = false, list = false, help = false, version = false;
    bool optionsEnded = false;

    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool isOption = !optionsEnded && argument.size() > 2 && argument.compare(0, 2, "--") == 0;
        if (!optionsEnded && argument == kOptionsEnd) {
            optionsEnded = true;
            continue;
        }
        if (!isOption) {
            if (!optionsEnded && LooksLikeSingleDashOption(argument)) {
                parsed.error = "unknown toggle " + Quoted(argument.substr(1)) + "; options take two dashes: " +
                               Quoted((argument == "-h" ? "--help" : "-" + argument));
                return parsed;
            }
            line.toggles.push_back(argument);
            continue;
        }

        // "--name=value" or "--name value".
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const std::string option = "--" + name;
        std::optional<std::string> value;
        if (equals != std::string::npos) value = argument.substr(equals + 1);

        if (IsFlag(name)) {
            if (value) {
                parsed.error = "option " + Quoted(option) + " takes no value";
                return parsed;
            }
            print = print || name == OptionNames::stdoutFlag;
            list = list || name == OptionNames::list;
            help = help || name == OptionNames::help;
            version = version || name == OptionNames::version;
            continue;
        }
        if (!TakesValue(name)) {
            parsed.error = "unknown option " + Quoted(option) + " (--help lists the options)";
            return parsed;
        }
        // An option in the value's place means the value was forgotten.
        if (!value && i + 1 < arguments.size() && arguments[i + 1].compare(0, 2, "--") != 0) {
            value = arguments[++i];
        }
        if (!value) {
            parsed.error = "option " + Quoted(option) + " needs a value";
            return parsed;
        }
        if (name == OptionNames::edition) {
            if (!ParseEdition(*value, line.edition)) {
                parsed.error = "unknown edition " + Quoted(*value) + "; use 'notification' or 'battery'";
                return parsed;
            }
        } else {
            line.outputFolder = *value;
        }
    }

    if (help) {
        line.action = CliAction::ShowHelp;
    } else if (version) {
        line.action = CliAction::ShowVersion;
    } else if (list) {
        line.action = CliAction::ListToggles;
    } else if (print) {
        if (line.outputFolder) {
            parsed.error = "--stdout and --out cannot be used together";
            return parsed;
        }
        line.action = CliAction::PrintDocument;
    }
    return parsed;
}

}  // namespace quorrith
