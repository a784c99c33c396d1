// ovantra-rules merge BASE OURS THEIRS [-o OUT] [--format=json]
// [--path=PATH]: brings what THEIRS changed against BASE onto OURS, field by
// field; also git's merge driver (`merge %O %A %B -o %A --path=%P`, where
// OURS is a scratch file and PATH the file's own name, which the report
// shows and whose ending tells the language). The report goes to standard
// output when the merged file goes to OUT, to standard error when it goes
// to standard output.

#include <optional>
#include <ostream>

#include "app/tool/commands.h"
#include "app/tool/json_text.h"
#include "rules/compare/merge.h"
#include "rules/document/cp1252.h"
#include "rules/document/file_bytes.h"

namespace tool {

namespace {

const char* KindKey(rules::MergeConflict::Kind kind) {
    switch (kind) {
        case rules::MergeConflict::Kind::Field: return "field";
        case rules::MergeConflict::Kind::Record: return "record";
        case rules::MergeConflict::Kind::Lines: return "lines";
    }
    return "";
}

Json Text(const std::optional<std::string>& cp1252) {
    if (!cp1252) return nullptr;
    return rules::Cp1252ToUtf8(*cp1252);
}

void PrintText(const rules::MergePlan& plan, const std::string& ours, std::ostream& out) {
    for (const rules::MergeConflict& conflict : plan.conflicts) {
        out << ours << ":";
        if (conflict.oursLine >= 0) out << conflict.oursLine + 1 << ":";
        out << " conflict: " << rules::Cp1252ToUtf8(rules::ConflictText(conflict)) << "\n";
    }
    out << rules::MergeSummary(plan) << "\n";
}

void PrintJson(const rules::MergePlan& plan, const std::vector<std::string>& files,
               const std::string& oursName, const std::string& output, std::ostream& out) {
    Json conflicts = Json::array();
    for (const rules::MergeConflict& conflict : plan.conflicts) {
        Json entry = {{"file", rules::ValidUtf8(oursName)},
                      {"line", conflict.oursLine >= 0 ? Json(conflict.oursLine + 1) : Json(nullptr)},
                      {"kind", KindKey(conflict.kind)}};
        // Every conflict has every key, null where it names no such place, so
        // that a reader can index without asking first.
        const bool field = conflict.kind == rules::MergeConflict::Kind::Field;
        if (!conflict.otherSection.empty()) {
            entry["section"] = rules::Cp1252ToUtf8(conflict.otherSection);
            entry["row"] = conflict.cell.row;
            entry["column"] = field ? Json(rules::Cp1252ToUtf8(conflict.column)) : Json(nullptr);
        } else {
            const bool placed = !conflict.label.empty();
            entry["section"] = placed ? Json(SectionKey(conflict.ref.section)) : Json(nullptr);
            entry["record"] = placed ? Json(conflict.ref.record) : Json(nullptr);
            entry["field"] = field ? Json(rules::FieldLabel(conflict.ref.section, conflict.ref.field))
                                   : Json(nullptr);
        }
        entry["base"] = Text(conflict.base);
        entry["ours"] = Text(conflict.ours);
        entry["theirs"] = Text(conflict.theirs);
        entry["text"] = rules::Cp1252ToUtf8(rules::ConflictText(conflict));
        conflicts.push_back(std::move(entry));
    }
    const Json document = {
        {"base", rules::ValidUtf8(files[0])},
        {"ours", rules::ValidUtf8(files[1])},
        {"theirs", rules::ValidUtf8(files[2])},
        {"output", output.empty() ? Json(nullptr) : Json(rules::ValidUtf8(output))},
        {"clean", plan.Clean()},
        {"changes", plan.Changes()},
        {"conflicts", std::move(conflicts)},
        {"summary", rules::MergeSummary(plan)}};
    out << JsonLines(document);
}

}  // namespace

int RunMerge(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("merge");
    std::string output;
    std::string path;
    bool json = false;
    Arguments rest;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded) {
            rest.push_back(argument);
        } else if (argument == "-o" || argument == "--output") {
            if (i + 1 == arguments.size() || arguments[i + 1].empty())
                return UsageError(command, "-o needs a file name", io);
            if (!output.empty()) return UsageError(command, "more than one output file", io);
            output = arguments[++i];
        } else if (argument.rfind("--path=", 0) == 0) {
            path = argument.substr(7);
        } else if (argument.rfind("--format=", 0) == 0) {
            const std::string format = argument.substr(9);
            if (format != "json" && format != "text")
                return UsageError(command, "unknown format " + format + " (use text or json)", io);
            json = format == "json";
        } else {
            optionsEnded = argument == "--";
            rest.push_back(argument);
        }
    }
    std::vector<std::string> files;
    if (const std::optional<int> stop = TakeFileNames(command, rest, io, files)) return *stop;
    if (files.size() != 3) return UsageError(command, "merge takes three rules files", io);

    // All three are read before anything is written: OUT may be one of them.
    std::string bytes[3];
    bool read = true;
    for (int k = 0; k < 3; ++k) {
        if (const rules::Status status = rules::ReadFileBytes(files[k], bytes[k]); !status) {
            io.err << "ovantra-rules: " << status.message << ".\n";
            read = false;
        }
    }
    if (!read) return kExitFailure;

    const std::string& oursName = path.empty() ? files[1] : path;
    const rules::Language language =
        rules::LanguageFromFileName(oursName).value_or(rules::Language::English);
    const rules::MergeResult result = rules::MergeFiles(bytes[0], bytes[1], bytes[2], language);
    // git hands an empty base when both sides added the file; anything else
    // that is not a rules file would be merged into nonsense with a clean exit.
    for (int k = 0; k < 3; ++k) {
        if (!result.holdsRules[k] && (k != 0 || !bytes[k].empty())) {
            SayNotARulesFile(files[k], io);
            read = false;
        }
    }
    if (!read) return kExitFailure;
    // OUT may be OURS (git's driver writes the result there), never BASE or THEIRS.
    if (const auto stop = RefuseOutputOverInput(command, output, {files[0], files[2]}, io))
        return *stop;
    std::ostream& report = output.empty() ? io.err : io.out;
    if (output.empty()) {
        io.out << result.bytes;
        io.out.flush();
    } else if (const rules::Status status = rules::WriteFileBytes(output, result.bytes); !status) {
        io.err << "ovantra-rules: " << status.message << ".\n";
        return kExitFailure;
    }
    if (json)
        PrintJson(result.plan, files, oursName, output, report);
    else
        PrintText(result.plan, oursName, report);
    return result.plan.Clean() ? kExitOk : kExitProblems;
}

}  // namespace tool
