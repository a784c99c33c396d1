// ovantra-rules export FILE SECTION [-o OUT.csv] and
// ovantra-rules import FILE IN.csv [SECTION] [--dry-run]: a section as the
// Table page's CSV, and a CSV brought in as the Table page brings it in,
// saved as Save Changes saves.

#include <filesystem>
#include <ostream>

#include "app/tool/commands.h"
#include "app/tool/differences.h"
#include "rules/compare/comparison.h"
#include "rules/document/cp1252.h"
#include "rules/document/file_bytes.h"
#include "rules/document/rules_document.h"
#include "rules/edits/csv_exchange.h"
#include "rules/edits/table_plans.h"

namespace tool {

namespace {

constexpr const char* kProgram = "ovantra-rules";

// The words that name the tables of this document, for a message.
std::string TableWords(const rules::RulesDocument& document) {
    std::string words = "units, advances, cosmic";
    for (int k = 0; k < document.Others().Count(); ++k)
        words += ", " + rules::Cp1252ToUtf8(document.Others().At(k).Name());
    return words;
}

std::unique_ptr<rules::CellGrid> Grid(const rules::RulesDocument& document, const std::string& file,
                                      const std::string& word, Streams io) {
    std::unique_ptr<rules::CellGrid> grid;
    if (const std::optional<std::string> bytes = rules::Utf8ToCp1252(word))
        grid = rules::GridNamed(document, *bytes);
    if (!grid)
        io.err << kProgram << ": " << file << " has no section \"" << word << "\" (it has "
               << TableWords(document) << ").\n";
    return grid;
}

// Options and words, in any order; false (and the status) on a usage error.
struct Line {
    std::vector<std::string> words;
    std::string out;
    bool dryRun = false;
};
std::optional<int> ReadArguments(const Command& command, const Arguments& arguments, bool takesOut,
                                 Streams io, Line& line) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || !IsOption(argument)) {
            line.words.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (IsHelp(argument)) {
            io.out << command.help;
            return kExitOk;
        } else if (takesOut && argument == "-o" && i + 1 < arguments.size()) {
            line.out = arguments[++i];
        } else if (!takesOut && argument == "--dry-run") {
            line.dryRun = true;
        } else {
            return UsageError(command, "unknown option " + argument, io);
        }
    }
    return std::nullopt;
}

}  // namespace

int RunExport(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("export");
    Line line;
    if (const std::optional<int> stop = ReadArguments(command, arguments, true, io, line)) return *stop;
    if (line.words.size() != 2) return UsageError(command, "export takes a rules file and a section", io);
    if (const std::optional<int> stop = RefuseOutputOverInput(command, line.out, {line.words[0]}, io))
        return *stop;
    rules::RulesDocument document;
    if (!ReadRulesFile(line.words[0], document, io)) return kExitFailure;
    const std::unique_ptr<rules::CellGrid> grid = Grid(document, line.words[0], line.words[1], io);
    if (!grid) return kExitFailure;
    const std::string csv = rules::CsvText(*grid);
    if (line.out.empty()) {
        io.out << csv;
        return kExitOk;
    }
    if (const rules::Status written = rules::WriteFileBytes(line.out, csv); !written) {
        io.err << kProgram << ": " << written.message << ".\n";
        return kExitFailure;
    }
    return kExitOk;
}

int RunImport(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("import");
    Line line;
    if (const std::optional<int> stop = ReadArguments(command, arguments, false, io, line)) return *stop;
    if (line.words.size() != 2 && line.words.size() != 3)
        return UsageError(command, "import takes a rules file, a CSV file and maybe a section", io);
    const std::string& file = line.words[0];
    const std::string& csvFile = line.words[1];
    // Without a section, the CSV file's name says it, as the Table page
    // names what it exports ("terrain.csv").
    const std::string section =
        line.words.size() == 3 ? line.words[2] : std::filesystem::path(csvFile).stem().string();

    std::string csv;
    if (const rules::Status read = rules::ReadFileBytes(csvFile, csv); !read) {
        io.err << kProgram << ": " << read.message << ".\n";
        return kExitFailure;
    }
    rules::RulesDocument document;
    if (!ReadRulesFileToChange(file, document, io)) return kExitFailure;
    const std::unique_ptr<rules::CellGrid> grid = Grid(document, file, section, io);
    if (!grid) return kExitFailure;
    const rules::EditPlan plan = rules::PlanCsvImport(*grid, csv);
    if (plan.Refused()) {
        io.err << kProgram << ": " << csvFile << ": " << plan.problem << " Nothing was changed.\n";
        return kExitFailure;
    }
    for (const std::string& note : plan.notes) io.err << kProgram << ": note: " << note << "\n";

    const rules::RulesDocument before = document;
    rules::Apply(document, plan);
    // What `diff` would print between the file and the file saved.
    rules::RulesDocument after = document;
    const std::string bytes = after.SaveToBytes();
    after.LoadBytes(bytes, document.GetLanguage());
    after.Parse();
    PrintDifferences(rules::Compare(before, after), file, file, io.out);
    if (line.dryRun || !document.HasUnsavedChanges()) return kExitOk;
    return SaveAsTheEditorDoes(document, io);
}

}  // namespace tool
