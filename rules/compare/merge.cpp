#include "rules/compare/merge.h"

#include <map>

#include "rules/compare/comparison.h"
#include "rules/document/field_table.h"
#include "rules/document/text_routines.h"
#include "rules/document/rules_document.h"
#include "rules/edits/edit_plan.h"
#include "rules/sections/section_cells.h"

namespace rules {

namespace {

// The rendered lines of OURS with the line edits made, joined as the line
// store joins them when it saves.
std::string EditedLines(const LineStore& lines, const std::vector<MergeLineEdit>& edits) {
    std::map<int, const MergeLineEdit*> replaced;
    std::map<int, const MergeLineEdit*> insertedAfter;
    for (const MergeLineEdit& edit : edits)
        (edit.kind == MergeLineEdit::Kind::InsertAfter ? insertedAfter : replaced)[edit.oursLine] = &edit;

    std::string out;
    const auto put = [&out](std::string_view text) {
        out.append(text);
        out.append("\r\n");
    };
    const auto insertAfter = [&](int line) {
        const auto found = insertedAfter.find(line);
        if (found == insertedAfter.end()) return;
        for (const std::string& text : found->second->texts) put(text);
    };
    insertAfter(-1);
    for (int line = 0; line < lines.LineCount(); ++line) {
        const auto found = replaced.find(line);
        if (found == replaced.end())
            put(lines.GetLine(line));
        else if (found->second->kind == MergeLineEdit::Kind::Replace)
            put(found->second->texts.front());
        insertAfter(line);
    }
    if (!lines.EndsWithLineBreak() && !out.empty()) out.resize(out.size() - 2);
    return out;
}

}  // namespace

std::string ApplyMerge(RulesDocument& ours, const MergePlan& plan) {
    EditPlan values;
    for (const MergeFieldEdit& edit : plan.fields) values.edits.push_back({edit.ref, edit.text});
    for (const MergeCellEdit& edit : plan.cells) values.cells.push_back({edit.ref, edit.text});
    Apply(ours, values);
    // The fields go through the save itself, so a changed line is written as
    // the editor's own save writes it.
    std::string saved = ours.SaveToBytes();
    if (plan.lines.empty()) return saved;
    return EditedLines(ours.Lines(), plan.lines);
}

MergeResult MergeFiles(std::string_view base, std::string_view ours, std::string_view theirs,
                       Language language) {
    RulesDocument baseDocument, oursDocument, theirsDocument;
    baseDocument.LoadBytes(base, language);
    oursDocument.LoadBytes(ours, language);
    theirsDocument.LoadBytes(theirs, language);
    baseDocument.Parse();
    oursDocument.Parse();
    theirsDocument.Parse();

    MergeResult result;
    result.plan = PlanMerge(baseDocument, oursDocument, theirsDocument);
    if (ours == base)
        result.bytes = theirs;
    else if (theirs == base || theirs == ours || result.plan.Changes() == 0)
        result.bytes = ours;
    else
        result.bytes = ApplyMerge(oursDocument, result.plan);
    return result;
}

std::string ConflictText(const MergeConflict& conflict) {
    const auto shown = [&](const std::optional<std::string>& text, bool quoted) {
        return text ? ShownValue(*text, quoted) : std::string("none");
    };
    const auto sides = [&](bool quoted) {
        return "base " + shown(conflict.base, quoted) + ", ours " + shown(conflict.ours, quoted) +
               ", theirs " + shown(conflict.theirs, quoted);
    };
    switch (conflict.kind) {
        case MergeConflict::Kind::Field: {
            std::string text = conflict.label + ": ";
            if (!conflict.otherSection.empty()) return text + "column \"" + conflict.column + "\" " + sides(false);
            if (conflict.ref.section != SectionId::Cosmic) {
                text += FieldLabel(conflict.ref.section, conflict.ref.field);
                text += ' ';
            }
            return text + sides(InfoOf(conflict.ref).kind == FieldKind::Name);
        }
        case MergeConflict::Kind::Record: return conflict.label + ": " + conflict.what;
        case MergeConflict::Kind::Lines:
            if (!conflict.what.empty())
                return conflict.label.empty() ? conflict.what : conflict.label + ": " + conflict.what;
            return "line " + sides(true);
    }
    return {};
}

std::string MergeSummary(const MergePlan& plan) {
    const int conflicts = static_cast<int>(plan.conflicts.size());
    const int changes = plan.Changes();
    std::string text = conflicts == 0 ? "No conflicts"
                                      : Counted(conflicts, "conflict") + ", where ours is kept";
    text += "; ";
    text += changes == 0 ? "nothing to take from theirs."
                         : Counted(changes, "change") + " taken from theirs.";
    return text;
}

}  // namespace rules
