// ovantra-rules check [OPTIONS] FILE...: one line per problem, in the form
// compilers use, then a summary; or the same as JSON or SARIF.

#include <filesystem>
#include <ostream>
#include <sstream>

#include "app/tool/check_formats.h"
#include "app/tool/commands.h"
#include "rules/check/rules_check.h"
#include "rules/document/text_routines.h"

namespace tool {

namespace {

struct CheckOptions {
    CheckFormat format = CheckFormat::Text;
    rules::CheckChoice choice;
    std::vector<std::string> files;
};

// Adds the comma-separated check names to `names`; gives the message for a
// name that is unknown or names an error, which cannot be switched.
std::optional<std::string> TakeCheckNames(const std::string& list, std::vector<std::string>& names) {
    std::stringstream stream(list);
    std::string name;
    while (std::getline(stream, name, ',')) {
        const rules::SwitchableCheck switchable = rules::CheckSwitchable(name);
        if (switchable == rules::SwitchableCheck::Unknown)
            return "unknown check '" + name + "'; 'ovantra-rules --list-checks' lists them";
        if (switchable == rules::SwitchableCheck::AlwaysChecked)
            return "'" + name + "' is an error, which is always checked";
        names.push_back(name);
    }
    if (names.empty()) return std::string("no check named after the option");
    return std::nullopt;
}

// Gives an exit status when the arguments already settle it (help, the list
// of checks, a usage error).
std::optional<int> TakeOptions(const Command& command, const Arguments& arguments, Streams io,
                               CheckOptions& options) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            options.files.push_back(argument);
            continue;
        }
        // "--disable=a,b" or "--disable a,b".
        const auto value = [&](const std::string& option) -> std::optional<std::string> {
            if (argument.rfind(option + "=", 0) == 0) return argument.substr(option.size() + 1);
            if (argument == option && i + 1 < arguments.size()) return arguments[++i];
            return std::nullopt;
        };
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            io.out << command.help;
            return kExitOk;
        } else if (argument == "--list-checks") {
            WriteCheckList(io.out);
            return kExitOk;
        } else if (const auto format = value("--format")) {
            if (*format == "text") options.format = CheckFormat::Text;
            else if (*format == "json") options.format = CheckFormat::Json;
            else if (*format == "sarif") options.format = CheckFormat::Sarif;
            else return UsageError(command, "unknown format '" + *format + "'", io);
        } else if (const auto names = value("--disable")) {
            if (const auto message = TakeCheckNames(*names, options.choice.disabled))
                return UsageError(command, *message, io);
        } else if (const auto names = value("--enable")) {
            if (const auto message = TakeCheckNames(*names, options.choice.enabled))
                return UsageError(command, *message, io);
        } else {
            return UsageError(command, "unknown option " + argument, io);
        }
    }
    return std::nullopt;
}

}  // namespace

int ListChecks(Streams io) {
    WriteCheckList(io.out);
    return kExitOk;
}

// The working directory, which relative names in a SARIF log are read
// against; empty when it cannot be known.
std::string WorkingDirectory() {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    return error ? std::string() : directory.string();
}

int RunCheck(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("check");
    CheckOptions options;
    if (const std::optional<int> stop = TakeOptions(command, arguments, io, options)) return *stop;
    if (options.files.empty()) return UsageError(command, "no rules file to check", io);

    int errors = 0, warnings = 0, unread = 0;
    std::vector<CheckedFile> checked;
    for (const std::string& file : options.files) {
        CheckedFile& result = checked.emplace_back();
        result.name = file;
        rules::RulesDocument document;
        result.failure = ReadRulesFileOrWhy(file, document, io);
        if (!result.failure.empty()) {
            ++unread;
            continue;
        }
        if (std::optional<rules::Problem> notRules = rules::NotARulesFile(document)) {
            result.problems.push_back(std::move(*notRules));
        } else {
            result.problems = rules::CheckRules(document, options.choice);
        }
        // Notes only follow from their cause: they are not counted.
        for (const rules::Problem& problem : result.problems)
            (problem.severity == rules::Severity::Error ? errors : warnings) += 1;
        if (options.format == CheckFormat::Text) WriteCheckText(io.out, result);
    }
    const int status = unread > 0 ? kExitFailure : errors > 0 ? kExitProblems : kExitOk;
    if (options.format == CheckFormat::Json) WriteCheckJson(io.out, checked);
    if (options.format == CheckFormat::Sarif)
        WriteCheckSarif(io.out, checked, WorkingDirectory(), status);
    if (options.format == CheckFormat::Text) {
        io.out << rules::Counted(errors, "error") << " and " << rules::Counted(warnings, "warning") << " in "
               << rules::Counted(static_cast<int>(checked.size()) - unread, "file") << " checked";
        if (unread > 0) io.out << "; " << rules::Counted(unread, "file") << " could not be read";
        io.out << ".\n";
    }
    return status;
}

}  // namespace tool
