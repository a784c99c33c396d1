// ovantra-rules check FILE...: one line per problem, in the form compilers
// use, then a summary.

#include <ostream>

#include "app/tool/commands.h"
#include "rules/check/rules_check.h"

namespace tool {

namespace {

std::string Counted(int n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

// A file that holds none of the three sections (an empty or a binary file,
// or the wrong file) would otherwise pass with three warnings.
bool HasNoSection(const rules::RulesDocument& document) {
    int missing = 0;
    for (const rules::Finding& finding : document.GetFindings())
        missing += finding.kind == rules::Finding::Kind::MissingHeader ? 1 : 0;
    return missing == 3;
}

}  // namespace

int RunCheck(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("check");
    std::vector<std::string> files;
    if (const std::optional<int> stop = TakeFileNames(command, arguments, io, files)) return *stop;
    if (files.empty()) return UsageError(command, "no rules file to check", io);

    int errors = 0, warnings = 0, checked = 0;
    bool unreadable = false;
    for (const std::string& file : files) {
        rules::RulesDocument document;
        if (!ReadRulesFile(file, document, io)) {
            unreadable = true;
            continue;
        }
        ++checked;
        if (HasNoSection(document)) {
            io.out << file << ": error: no @COSMIC, @CIVILIZE or @UNITS section: "
                   << "this is not a rules file\n";
            ++errors;
            continue;
        }
        for (const rules::Problem& problem : rules::CheckRules(document)) {
            io.out << file;
            if (problem.line >= 0) io.out << ":" << problem.line + 1;
            io.out << ": " << rules::SeverityName(problem.severity) << ": " << problem.text << "\n";
            (problem.severity == rules::Severity::Error ? errors : warnings) += 1;
        }
    }
    io.out << Counted(errors, "error") << " and " << Counted(warnings, "warning") << " in "
           << Counted(checked, "file") << " checked";
    if (unreadable)
        io.out << "; " << Counted(static_cast<int>(files.size()) - checked, "file")
               << " could not be read";
    io.out << ".\n";
    if (unreadable) return kExitFailure;
    return errors > 0 ? kExitProblems : kExitOk;
}

}  // namespace tool
