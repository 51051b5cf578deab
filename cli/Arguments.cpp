#include "Arguments.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

struct CommandForm {
    std::string_view name;
    std::string_view synopsis;
    std::string_view options; // the options it takes, each between spaces
    std::size_t fewest, most; // how many files
};

constexpr std::size_t kAny = 1000000;

constexpr std::array<CommandForm, 5> kCommands = {{
    {"info", "info FILE... [--model TG-UV2|TG-6A] [--json]", " --json --model ", 1, kAny},
    {"export", "export FILE.DAT [-o OUT.csv]", " -o ", 1, 1},
    {"import", "import BASE.DAT LIST.csv|OTHER.DAT -o OUT.DAT [--keep]", " -o --keep ", 2, 2},
    {"check", "check FILE... [--model TG-UV2|TG-6A] [--json]", " --json --model ", 1, kAny},
    {"diff", "diff A.DAT B.DAT|B.csv [--json]", " --json ", 2, 2},
}};

const CommandForm* FindCommand(std::string_view name) {
    const auto* found = std::ranges::find(kCommands, name, &CommandForm::name);
    return found == kCommands.end() ? nullptr : found;
}

std::optional<RadioModel> ModelNamed(std::string_view name) {
    for (const RadioModel model : {kTGUV2, kTG6A})
        if (name == ModelName(model))
            return model;
    return std::nullopt;
}

// What the command asks of its files' kinds; empty when they suit it.
std::string KindError(const Arguments& parsed) {
    const std::vector<std::string>& files = parsed.files;
    const std::string& command = parsed.command;
    const bool anyCsv = std::ranges::any_of(files, IsCsvName);
    if ((command == "info" || command == "check") && anyCsv && !parsed.model)
        return "a CSV list does not say which radio it is for: give --model TG-UV2 or TG-6A";
    if (command == "export" && anyCsv)
        return "export reads DAT files, not CSV lists";
    if ((command == "import" || command == "diff") && IsCsvName(files[0]))
        return command + " takes a DAT file first, then a CSV list or a DAT file";
    return {};
}

} // namespace

std::string Usage(const std::string& command) {
    std::string text = "Usage:\n";
    for (const CommandForm& form : kCommands)
        if (command.empty() || form.name == command)
            text += "  velmora-cli " + std::string(form.synopsis) + "\n";
    if (command.empty())
        text += "  velmora-cli --help | --version | COMMAND --help\n";
    return text;
}

bool ParseArguments(const std::vector<std::string>& args, Arguments& parsed, std::string& error) {
    std::vector<std::string> words;
    std::vector<std::string> options; // as typed, checked against the command below
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        if (optionsEnded || arg == "-" || !arg.starts_with("-")) {
            words.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // A value may follow as the next argument or after "=" (or right
        // after -o).
        std::optional<std::string> value;
        if (const std::size_t equals = arg.find('='); arg.starts_with("--") && equals != arg.npos) {
            value = arg.substr(equals + 1);
            arg.resize(equals);
        } else if (arg.starts_with("-o") && arg.size() > 2) {
            value = arg.substr(2);
            arg = "-o";
        }
        const bool takesValue = arg == "-o" || arg == "--output" || arg == "--model";
        if (takesValue && !value) {
            if (i + 1 == args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            value = args[++i];
        }
        if (!takesValue && value) {
            error = "option " + arg + " takes no value";
            return false;
        }
        if (arg == "--output")
            arg = "-o";
        if (arg == "-o") {
            parsed.output = *value;
        } else if (arg == "--model") {
            parsed.model = ModelNamed(*value);
            if (!parsed.model) {
                error = "unknown radio \"" + *value + "\" (TG-UV2 or TG-6A)";
                return false;
            }
        } else if (arg == "--json") {
            parsed.json = true;
        } else if (arg == "--keep") {
            parsed.keep = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--version") {
            parsed.version = true;
        } else {
            error = "unknown option " + arg;
            return false;
        }
        if (arg != "--help" && arg != "-h" && arg != "--version")
            options.push_back(arg);
    }
    if (words.empty()) {
        if (parsed.help || parsed.version)
            return true;
        error = "no command given";
        return false;
    }
    const CommandForm* form = FindCommand(words.front());
    if (!form) {
        error = "unknown command \"" + words.front() + "\"";
        return false;
    }
    parsed.command = words.front();
    parsed.files.assign(words.begin() + 1, words.end());
    if (parsed.help)
        return true;
    for (const std::string& option : options)
        if (form->options.find(" " + option + " ") == std::string_view::npos) {
            error = parsed.command + " takes no option " + option;
            return false;
        }
    if (parsed.files.size() < form->fewest || parsed.files.size() > form->most) {
        error = parsed.command + " takes " +
                (form->fewest == form->most
                     ? std::to_string(form->fewest) + " file" + (form->fewest == 1 ? "" : "s")
                     : "one file or more");
        return false;
    }
    if (parsed.command == "import" && !parsed.output) {
        error = "import needs -o OUT.DAT";
        return false;
    }
    error = KindError(parsed);
    return error.empty();
}
