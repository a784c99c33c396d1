// ovantra-rules set FILE SECTION RECORD FIELD=VALUE... [--dry-run]: changes
// fields (or another section's cells) as the Table page does and saves the
// file as Save Changes does.

#include <memory>
#include <optional>
#include <ostream>

#include "app/tool/commands.h"
#include "app/tool/differences.h"
#include "rules/compare/comparison.h"
#include "rules/document/cp1252.h"
#include "rules/document/rules_document.h"
#include "rules/edits/cell_assignment.h"
#include "rules/edits/field_assignment.h"
#include "rules/edits/table_plans.h"

namespace tool {

namespace {

// The command line is UTF-8; the file and the tables are Windows-1252.
std::optional<std::string> FileText(const std::string& utf8, const std::string& what, Streams io) {
    std::optional<std::string> bytes = rules::Utf8ToCp1252(utf8);
    if (!bytes)
        io.err << "ovantra-rules: " << what << " \"" << utf8
               << "\" holds a character that a rules file (Windows-1252) cannot.\n";
    return bytes;
}

// One unit, advance or cosmic value: the fields by the field table, values
// read in the file's Windows-1252. Nothing when they were set.
std::optional<int> SetFields(rules::RulesDocument& document, const std::string& file,
                             rules::SectionId section, const std::string& recordUtf8,
                             std::vector<rules::Assignment> assignments, Streams io) {
    for (rules::Assignment& assignment : assignments) {
        const std::optional<std::string> field = FileText(assignment.field, "The field", io);
        const std::optional<std::string> value = FileText(assignment.value, "The value", io);
        if (!field || !value) return kExitFailure;
        assignment = {*field, *value};
    }
    const std::optional<std::string> name = FileText(recordUtf8, "The record", io);
    if (!name) return kExitFailure;
    const rules::RecordLookup found = rules::FindRecord(document, section, *name);
    if (!found.problem.empty()) {
        io.err << "ovantra-rules: " << file << ": " << rules::Cp1252ToUtf8(found.problem) << "\n";
        return kExitFailure;
    }
    if (const std::string problem = rules::Assign(document, section, found.record, assignments);
        !problem.empty()) {
        io.err << "ovantra-rules: " << file << ": " << rules::Cp1252ToUtf8(problem)
               << " Nothing was changed.\n";
        return kExitFailure;
    }
    return std::nullopt;
}

// One row of another section, as the Table page takes its cells.
std::optional<int> SetCells(rules::RulesDocument& document, const rules::CellGrid& grid,
                            const std::string& file, const std::string& row,
                            const std::vector<rules::Assignment>& assignments, Streams io) {
    const rules::RecordLookup found = rules::FindRow(grid, row);
    if (!found.problem.empty()) {
        io.err << "ovantra-rules: " << file << ": " << found.problem << "\n";
        return kExitFailure;
    }
    const rules::EditPlan plan = rules::PlanAssignments(grid, found.record, assignments);
    if (plan.Refused()) {
        io.err << "ovantra-rules: " << file << ": " << plan.problem << " Nothing was changed.\n";
        return kExitFailure;
    }
    for (const std::string& note : plan.notes) io.err << "ovantra-rules: note: " << note << "\n";
    rules::Apply(document, plan);
    return std::nullopt;
}

}  // namespace

int RunSet(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("set");
    bool dryRun = false;
    bool optionsEnded = false;
    Arguments words;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && IsHelp(argument)) {
            io.out << command.help;
            return kExitOk;
        } else if (!optionsEnded && argument == "--dry-run") {
            dryRun = true;
        } else if (!optionsEnded && IsOption(argument)) {
            return UsageError(command, "unknown option " + argument, io);
        } else {
            words.push_back(argument);
        }
    }
    if (words.size() < 4)
        return UsageError(command, "set takes a file, a section, a record and FIELD=VALUE", io);
    const std::string& file = words[0];
    std::vector<rules::Assignment> assignments;  // UTF-8 as typed
    for (std::size_t i = 3; i < words.size(); ++i) {
        const std::size_t equals = words[i].find('=');
        if (equals == std::string::npos || equals == 0)
            return UsageError(command, words[i] + " is not FIELD=VALUE", io);
        assignments.push_back({words[i].substr(0, equals), words[i].substr(equals + 1)});
    }

    rules::RulesDocument document;
    if (!ReadRulesFileToChange(file, document, io)) return kExitFailure;
    // The three sections by their words, any other by its name.
    const std::optional<rules::SectionId> section = rules::SectionNamed(words[1]);
    const std::unique_ptr<rules::CellGrid> grid =
        section ? nullptr : rules::GridNamed(document, words[1]);
    if (!section && !grid)
        return UsageError(
            command,
            "unknown section " + words[1] + " (unit, advance, cosmic or another section's name)",
            io);
    const rules::RulesDocument before = document;
    const std::optional<int> refused =
        section ? SetFields(document, file, *section, words[2], assignments, io)
                : SetCells(document, *grid, file, words[2], assignments, io);
    if (refused) return *refused;
    if (dryRun) {
        // What `diff` would print between the file and the file saved.
        const std::string bytes = document.SaveToBytes();
        rules::RulesDocument after;
        after.LoadBytes(bytes, document.GetLanguage());
        after.Parse();
        PrintDifferences(rules::Compare(before, after), file, file, io.out);
        return kExitOk;
    }
    if (!document.HasUnsavedChanges()) return kExitOk;  // nothing to write
    return SaveAsTheEditorDoes(document, io);
}

}  // namespace tool
