#include "app/tool/tool.h"

#include <algorithm>
#include <ostream>
#include <stdexcept>

#include "app/tool/commands.h"
#include "rules/document/rules_document.h"
#include "rules/document/same_file.h"
#include "rules/versions/keeping_save.h"
#include "rules/versions/version_store.h"

namespace tool {

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

bool IsHelp(const std::string& argument) { return argument == "--help" || argument == "-h"; }

namespace {

constexpr const char* kProgram = "ovantra-rules";

std::string CommandLine(const Command& command) {
    return std::string(kProgram) + " " + command.name + " " + command.arguments;
}

std::string ShortUsage() {
    return std::string("usage: ") + kProgram + " COMMAND ARGUMENTS...\n       " + kProgram +
           " --help | --version | --list-checks\n";
}

}  // namespace

std::string Usage() {
    std::string text = ShortUsage() + "\nCommands:\n";
    std::size_t width = 0;
    for (const Command& c : Commands())
        width = std::max(width, std::string(c.name).size() + 1 + std::string(c.arguments).size());
    for (const Command& c : Commands()) {
        std::string head = std::string(c.name) + " " + c.arguments;
        head.resize(width + 2, ' ');
        text += "  " + head + c.summary + "\n";
    }
    text +=
        "\nProblems are printed as FILE:LINE: error: TEXT [CHECK] or FILE:LINE: warning: TEXT [CHECK],\n"
        "each followed by the notes that only follow from it (FILE:LINE: note: TEXT [CHECK]).\n"
        "--list-checks lists the checks, which check --disable and --enable switch.\n"
        "Differences are printed as OTHER:LINE: TEXT, at their line in OTHER.\n"
        "Merge conflicts are printed as OURS:LINE: conflict: TEXT; OURS's text stays there.\n"
        "Exit status: 0 when no file has an error (warnings allowed), for diff when\n"
        "nothing differs, for merge when nothing conflicts, for format --check when all\n"
        "is aligned; 1 when a file has an error, the files differ, the merge has\n"
        "conflicts or a line is not aligned; 2 when a file cannot be read or written,\n"
        "set or import refuses a value, or the arguments are wrong.\n"
        "Only set, import and format change a rules file, saving it as the editor's Save\n"
        "Changes does (an earlier version kept); tree, export, merge and format -o write\n"
        "only their OUT; git-setup writes git's attributes and configuration.\n";
    return text;
}

int UsageError(const Command& command, const std::string& message, Streams io) {
    io.err << kProgram << ": " << message << "\nusage: " << CommandLine(command) << "\nTry '"
           << kProgram << " --help' for more.\n";
    return kExitFailure;
}

std::optional<int> TakeFileNames(const Command& command, const Arguments& arguments, Streams io,
                                 std::vector<std::string>& files) {
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            io.out << command.help;
            return kExitOk;
        } else if (!optionsEnded && IsOption(argument)) {
            return UsageError(command, "unknown option " + argument, io);
        } else {
            files.push_back(argument);
        }
    }
    return std::nullopt;
}

std::string ReadRulesFileOrWhy(const std::string& file, rules::RulesDocument& document,
                               Streams io) {
    if (const rules::Status status = document.Load(file, rules::Language::English); !status) {
        io.err << kProgram << ": " << status.message << ".\n";
        return status.message + ".";
    }
    document.Parse();
    return {};
}

void SayNotARulesFile(const std::string& file, Streams io) {
    io.err << kProgram << ": " << file
           << " is not a rules file: it holds none of the sections @COSMIC, @CIVILIZE and "
              "@UNITS.\n";
}

bool ReadRulesFile(const std::string& file, rules::RulesDocument& document, Streams io) {
    if (!ReadRulesFileOrWhy(file, document, io).empty()) return false;
    // Compared, drawn or listed as if it were one, any other file would only
    // show every record as gone, or nothing at all, with a clean exit.
    if (document.HoldsRules()) return true;
    SayNotARulesFile(file, io);
    return false;
}

bool ReadRulesFileToChange(const std::string& file, rules::RulesDocument& document, Streams io) {
    const rules::Language language =
        rules::LanguageFromFileName(file).value_or(rules::Language::English);
    if (const rules::Status status = document.Load(file, language); !status) {
        io.err << kProgram << ": " << status.message << ".\n";
        return false;
    }
    document.Parse();
    if (!document.HoldsRules()) {
        io.err << kProgram << ": " << file
               << " holds none of the sections @COSMIC, @CIVILIZE and @UNITS: it is not a rules "
                  "file, and was left as it is.\n";
        return false;
    }
    return true;
}

int SaveAsTheEditorDoes(rules::RulesDocument& document, Streams io) {
    const rules::SaveOutcome outcome =
        rules::SaveKeepingVersion(document, rules::DefaultVersionsRoot());
    if (!outcome.saved) {
        io.err << kProgram << ": " << outcome.saved.message << ".\n";
        return kExitFailure;
    }
    if (!outcome.kept)
        io.err << kProgram << ": warning: " << outcome.kept.message
               << ". The file is saved all the same, without keeping the one it replaces.\n";
    return kExitOk;
}

std::optional<int> RefuseOutputOverInput(const Command& command, const std::string& output,
                                         const std::vector<std::string>& inputs, Streams io) {
    if (output.empty()) return std::nullopt;
    for (const std::string& input : inputs) {
        if (!rules::SameFile(output, input)) continue;
        std::string message = "the output file " + output + " is the input file " + input;
        if (output != input) message += " under another name";
        return UsageError(command, message + "; nothing was written", io);
    }
    return std::nullopt;
}

const Command& CommandNamed(const std::string& name) {
    for (const Command& c : Commands())
        if (name == c.name) return c;
    throw std::logic_error("no command " + name);
}

int RunTool(const Arguments& arguments, Streams io) {
    if (arguments.empty()) {
        io.err << ShortUsage();
        return kExitFailure;
    }
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h") {
        io.out << Usage();
        return kExitOk;
    }
    if (first == "--list-checks") return ListChecks(io);
    if (first == "--version") {
        io.out << kProgram << " " << RULES_EDITOR_VERSION << "\n";
        return kExitOk;
    }
    for (const Command& command : Commands()) {
        if (first == command.name)
            return command.run(Arguments(arguments.begin() + 1, arguments.end()), io);
    }
    io.err << kProgram << ": " << (IsOption(first) ? "unknown option " : "unknown command ")
           << first << "\n"
           << ShortUsage();
    return kExitFailure;
}

}  // namespace tool
