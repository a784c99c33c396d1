// ovantra-rules diff BASE OTHER [--format=json]: what OTHER changes against
// BASE, field by field, one line per difference at its line in OTHER, in the
// form compilers use; exit status as diff(1).

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "app/tool/commands.h"
#include "app/tool/differences.h"
#include "app/tool/json_text.h"
#include "rules/compare/comparison.h"
#include "rules/document/cp1252.h"
#include "rules/document/rules_document.h"

namespace tool {

namespace {

std::string Utf8(const std::string& cp1252) { return rules::Cp1252ToUtf8(cp1252); }

Json JsonEntry(const Entry& entry, const std::string& base, const std::string& other) {
    Json item = {{"file", rules::ValidUtf8(entry.inBase ? base : other)}, {"line", entry.line + 1}};
    if (entry.freeLine) {
        item["kind"] = "line";
        item["baseLine"] = entry.freeLine->baseLine + 1;
    } else if (entry.row) {
        item["kind"] = entry.cell ? "cell" : entry.inBase ? "removed" : "added";
        item["section"] = Utf8(entry.row->section);
        item["row"] = entry.row->row;
        item["name"] = Utf8(entry.row->name);
        if (entry.cell) {
            item["column"] = Utf8(entry.cell->column);
            item["before"] = Utf8(entry.cell->before);
            item["after"] = Utf8(entry.cell->after);
        }
    } else {
        const rules::RecordDifference& record = *entry.record;
        item["kind"] = entry.field ? "field" : entry.inBase ? "removed" : "added";
        item["section"] = SectionKey(record.section);
        item["record"] = record.record;
        item["name"] = Utf8(record.name);
        if (record.section == rules::SectionId::Advances)
            item["abbreviation"] = Utf8(record.abbrev);
        if (entry.field) {
            item["field"] = rules::FieldLabel(entry.field->ref.section, entry.field->ref.field);
            item["before"] = Utf8(entry.field->before);
            item["after"] = Utf8(entry.field->after);
        }
    }
    item["text"] = entry.Text();
    return item;
}

void PrintJson(const rules::Comparison& comparison, const std::string& base,
               const std::string& other, std::ostream& out) {
    Json differences = Json::array();
    for (const Entry& entry : Entries(comparison))
        differences.push_back(JsonEntry(entry, base, other));
    const Json document = {
        {"base", rules::ValidUtf8(base)},
        {"other", rules::ValidUtf8(other)},
        {"differences", std::move(differences)},
        {"linesOnlyInBase", comparison.LinesOnlyInBase()},
        {"linesOnlyInOther", comparison.LinesOnlyInOther()},
        {"summary",
         {{"units", comparison.RecordsDiffering(rules::SectionId::Units)},
          {"advances", comparison.RecordsDiffering(rules::SectionId::Advances)},
          {"cosmicValues", comparison.RecordsDiffering(rules::SectionId::Cosmic)},
          {"otherSectionRows", comparison.RowsDiffering()},
          {"otherLines", comparison.lines.size()},
          {"text", rules::SummarySentence(comparison)}}}};
    out << JsonLines(document);
}

}  // namespace

int RunDiff(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("diff");
    bool json = false;
    Arguments rest;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (argument == "--") optionsEnded = true;
        if (!optionsEnded && argument.rfind("--format=", 0) == 0) {
            const std::string format = argument.substr(9);
            if (format != "json" && format != "text")
                return UsageError(command, "unknown format " + format + " (use text or json)", io);
            json = format == "json";
        } else {
            rest.push_back(argument);
        }
    }
    std::vector<std::string> files;
    if (const std::optional<int> stop = TakeFileNames(command, rest, io, files)) return *stop;
    if (files.size() != 2) return UsageError(command, "diff takes two rules files", io);

    // Both are read, so that one run names every file that cannot be.
    rules::RulesDocument base, other;
    const bool baseRead = ReadRulesFile(files[0], base, io);
    const bool otherRead = ReadRulesFile(files[1], other, io);
    if (!baseRead || !otherRead) return kExitFailure;
    const rules::Comparison comparison = rules::Compare(base, other);
    if (json)
        PrintJson(comparison, files[0], files[1], io.out);
    else
        PrintDifferences(comparison, files[0], files[1], io.out);
    return comparison.Empty() ? kExitOk : kExitProblems;
}

}  // namespace tool
