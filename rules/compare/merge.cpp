#include "rules/compare/merge.h"

#include <map>

#include "rules/compare/comparison.h"
#include "rules/compare/line_breaks.h"
#include "rules/document/field_table.h"
#include "rules/document/text_routines.h"
#include "rules/document/rules_document.h"
#include "rules/edits/edit_plan.h"
#include "rules/sections/section_cells.h"

namespace rules {

namespace {

// The rendered lines of OURS with the line edits made, each of OURS's lines
// followed by its break in `breaks` (the line store's CR LF where none is
// given) and lines added after one by that line's break.
std::string EditedLines(const LineStore& lines, const std::vector<MergeLineEdit>& edits,
                        const std::vector<std::string_view>& breaks) {
    const std::string_view usual = breaks.empty() ? std::string_view("\r\n") : UsualBreak(breaks);
    const auto breakOf = [&](int line) {
        const auto k = static_cast<std::size_t>(line);
        return line >= 0 && k < breaks.size() && !breaks[k].empty() ? breaks[k] : usual;
    };
    std::map<int, const MergeLineEdit*> replaced;
    std::map<int, const MergeLineEdit*> insertedAfter;
    for (const MergeLineEdit& edit : edits)
        (edit.kind == MergeLineEdit::Kind::InsertAfter ? insertedAfter : replaced)[edit.oursLine] = &edit;

    std::string out;
    std::size_t lastBreak = 0;
    const auto put = [&](std::string_view text, std::string_view lineBreak) {
        const std::size_t before = out.size();
        AppendLine(out, text, lineBreak);
        lastBreak = out.size() - before - text.size();
    };
    const auto insertAfter = [&](int line) {
        const auto found = insertedAfter.find(line);
        if (found == insertedAfter.end()) return;
        for (const std::string& text : found->second->texts) put(text, breakOf(line < 0 ? 0 : line));
    };
    insertAfter(-1);
    for (int line = 0; line < lines.LineCount(); ++line) {
        const auto found = replaced.find(line);
        if (found == replaced.end())
            put(lines.GetLine(line), breakOf(line));
        else if (found->second->kind == MergeLineEdit::Kind::Replace)
            put(found->second->texts.front(), breakOf(line));
        insertAfter(line);
    }
    if (!lines.EndsWithLineBreak() && !out.empty()) out.resize(out.size() - lastBreak);
    return out;
}

// ApplyMerge, each line written with OURS's break from `breaks`.
std::string Merged(RulesDocument& ours, const MergePlan& plan, const std::vector<std::string_view>& breaks) {
    EditPlan values;
    for (const MergeFieldEdit& edit : plan.fields) values.edits.push_back({edit.ref, edit.text});
    for (const MergeCellEdit& edit : plan.cells) values.cells.push_back({edit.ref, edit.text});
    Apply(ours, values);
    // The fields go through the save itself, so a changed line is written as
    // the editor's own save writes it.
    std::string saved = ours.SaveToBytes();
    if (plan.lines.empty() && breaks.empty()) return saved;
    return EditedLines(ours.Lines(), plan.lines, breaks);
}

}  // namespace

std::string ApplyMerge(RulesDocument& ours, const MergePlan& plan) { return Merged(ours, plan, {}); }

MergeResult MergeFiles(std::string_view base, std::string_view ours, std::string_view theirs,
                       Language language) {
    RulesDocument baseDocument, oursDocument, theirsDocument;
    baseDocument.LoadBytes(base, language);
    oursDocument.LoadBytes(ours, language);
    theirsDocument.LoadBytes(theirs, language);
    baseDocument.Parse();
    oursDocument.Parse();
    theirsDocument.Parse();

    // Line breaks aside: a side that only switched them changed nothing,
    // and every line of the result keeps OURS's break.
    const auto same = [](const RulesDocument& a, const RulesDocument& b) {
        return a.Lines().SameLines(b.Lines());
    };
    const std::vector<std::string_view> breaks = LineBreaks(ours);
    MergeResult result;
    result.holdsRules = {baseDocument.HoldsRules(), oursDocument.HoldsRules(),
                         theirsDocument.HoldsRules()};
    result.plan = PlanMerge(baseDocument, oursDocument, theirsDocument);
    if (same(theirsDocument, baseDocument) || same(theirsDocument, oursDocument))
        result.bytes = ours;
    else if (same(oursDocument, baseDocument))
        result.bytes = WithBreaks(theirs, breaks);
    else if (result.plan.Changes() == 0)
        result.bytes = ours;
    else
        result.bytes = Merged(oursDocument, result.plan, breaks);
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
