// ovantra-rules format FILE [-o OUT] [--check]: aligns the columns of the
// units, advances and cosmic values with the core's AlignColumns, which the
// editor's own Align Columns is to share; --check only lists the lines that
// are not aligned.

#include <ostream>

#include "app/tool/commands.h"
#include "rules/document/align_columns.h"
#include "rules/document/rules_document.h"
#include "rules/document/same_file.h"

namespace tool {

int RunFormat(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("format");
    bool check = false;
    bool optionsEnded = false;
    std::string out;
    Arguments files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && IsHelp(argument)) {
            io.out << command.help;
            return kExitOk;
        } else if (!optionsEnded && argument == "--check") {
            check = true;
        } else if (!optionsEnded && argument == "-o") {
            if (i + 1 == arguments.size()) return UsageError(command, "-o needs a file name", io);
            out = arguments[++i];
        } else if (!optionsEnded && IsOption(argument)) {
            return UsageError(command, "unknown option " + argument, io);
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 1) return UsageError(command, "format takes one rules file", io);
    if (check && !out.empty()) return UsageError(command, "--check writes nothing: no -o with it", io);
    const std::string& file = files.front();

    rules::RulesDocument document;
    if (!ReadRulesFileToChange(file, document, io)) return kExitFailure;
    const std::vector<int> changed = rules::AlignColumns(document);
    if (check) {
        for (const int line : changed) io.out << file << ":" << line + 1 << ": not aligned\n";
        if (changed.empty()) return kExitOk;
        io.out << changed.size() << (changed.size() == 1 ? " line" : " lines") << " of " << file
               << " not aligned; ovantra-rules format aligns them.\n";
        return kExitProblems;
    }
    // OUT naming FILE (by any name or link) is FILE aligned in place, an
    // earlier version kept.
    if (!out.empty() && !rules::SameFile(out, file)) {
        document.Render();
        if (const rules::Status status = document.Lines().SaveFile(out); !status) {
            io.err << "ovantra-rules: " << status.message << ".\n";
            return kExitFailure;
        }
        return kExitOk;
    }
    if (changed.empty()) return kExitOk;  // aligned already: nothing to write
    return SaveAsTheEditorDoes(document, io);
}

}  // namespace tool
