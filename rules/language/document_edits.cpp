#include "rules/language/document_edits.h"

#include <algorithm>
#include <set>

#include "rules/check/quick_fixes.h"
#include "rules/document/align_columns.h"
#include "rules/document/cp1252.h"
#include "rules/document/field_values.h"
#include "rules/edits/edit_plan.h"
#include "rules/language/document_map.h"
#include "rules/language/navigation.h"
#include "rules/sections/section_cells.h"

namespace rules::language {

namespace {

constexpr const char* kUnstorableLine =
    "A line the rename would change holds a character the rules file cannot hold; mend that first.";

bool HoldsUnstorable(const OpenDocument& document, int line) {
    for (const TextPoint& place : document.Unstorable())
        if (place.line == line) return true;
    return false;
}

// The edit that turns `before` into `after` on `line`: only the stretch
// between what both start and end with.
TextEdit LineEdit(int line, std::string_view before, std::string_view after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return {{{line, static_cast<int>(prefix)}, {line, static_cast<int>(before.size() - suffix)}},
            Cp1252ToUtf8(after.substr(prefix, after.size() - prefix - suffix))};
}

// The edits that give `lines` of the document what they hold in `changed`;
// nothing when one of them holds a character the file cannot store.
std::optional<std::vector<TextEdit>> LineEdits(const OpenDocument& document,
                                               const RulesDocument& changed,
                                               const std::vector<int>& lines) {
    std::vector<TextEdit> edits;
    for (const int line : lines) {
        const std::string_view before = document.Rules().Lines().GetLine(line);
        const std::string_view after = changed.Lines().GetLine(line);
        if (before == after) continue;
        if (HoldsUnstorable(document, line)) return std::nullopt;
        edits.push_back(LineEdit(line, before, after));
    }
    return edits;
}

}  // namespace

std::optional<std::vector<TextEdit>> FieldEdits(const OpenDocument& document,
                                                const FieldChanges& changes) {
    const RulesDocument& rules = document.Rules();
    const DocumentMap& map = document.Map();
    RulesDocument changed = rules;
    std::set<int> lines;
    EditPlan plan;
    for (const auto& [ref, value] : changes) {
        if (!IsValidField(changed, ref)) continue;
        plan.edits.push_back({ref, value});
        if (const int line = map.LineOf(ref.section, ref.record); line >= 0) lines.insert(line);
    }
    Apply(changed, plan);
    // Saving edits each changed line in place: only the changed values'
    // characters move.
    changed.Render();
    return LineEdits(document, changed, std::vector<int>(lines.begin(), lines.end()));
}

namespace {

// The edits that a quick fix makes of the text: its fields, its cells and
// its lines, as saving would write them.
std::optional<std::vector<TextEdit>> FixEdits(const OpenDocument& document, const QuickFix& fix) {
    if (fix.cells.empty() && fix.lines.empty()) return FieldEdits(document, fix.edits);
    RulesDocument changed = document.Rules();
    std::set<int> lines;
    for (const auto& [ref, value] : fix.edits) {
        if (!IsValidField(changed, ref)) continue;
        SetFieldText(changed, ref, value);
        if (const int line = document.Map().LineOf(ref.section, ref.record); line >= 0)
            lines.insert(line);
    }
    for (const CellEdit& cell : fix.cells) {
        if (!IsValidCell(changed, cell.ref)) continue;
        SetCellText(changed, cell.ref, cell.value);
        lines.insert(changed.Others().At(cell.ref.section).LineOf(cell.ref.row));
    }
    if (!ApplyLineFixes(changed, fix.lines)) return std::nullopt;
    for (const LineFix& line : fix.lines) lines.insert(line.line);
    changed.Render();
    return LineEdits(document, changed, std::vector<int>(lines.begin(), lines.end()));
}

}  // namespace

std::vector<CodeAction> CodeActions(const OpenDocument& document, const CheckChoice& choice,
                                    TextRange range) {
    std::vector<CodeAction> actions;
    for (Diagnostic& diagnostic : Diagnose(document, choice)) {
        // By line: a client asks with the cursor, which need not stand on
        // the field at fault.
        if (diagnostic.range.end.line < range.start.line ||
            diagnostic.range.start.line > range.end.line)
            continue;
        for (QuickFix& fix : QuickFixes(document.Rules(), diagnostic.problem)) {
            if (!fix.Changes()) continue;
            std::optional<std::vector<TextEdit>> edits = FixEdits(document, fix);
            if (!edits || edits->empty()) continue;
            actions.push_back({std::move(fix.title), fix.preferred, std::move(*edits), diagnostic});
        }
    }
    return actions;
}

std::optional<RenameTarget> RenameTargetAt(const OpenDocument& document, TextPoint place) {
    const std::optional<AdvanceAtPlace> at = AdvanceAt(document, place);
    if (!at || at->how == AdvanceAtPlace::How::Name) return std::nullopt;
    return RenameTarget{at->range, Cp1252ToUtf8(document.Rules().Advances().At(at->advance).abbrev),
                        at->advance};
}

RenameOutcome RenameAdvance(const OpenDocument& document, TextPoint place,
                            std::string_view newAbbrev) {
    const std::optional<RenameTarget> target = RenameTargetAt(document, place);
    if (!target) return {{}, "Only an advance's abbreviation can be renamed here."};
    const RulesDocument& rules = document.Rules();
    const std::string shown(newAbbrev);
    const std::optional<std::string> bytes = Utf8ToCp1252(newAbbrev);
    if (!bytes) return {{}, "\"" + shown + "\" holds a character a rules file cannot hold."};
    if (*bytes == rules.Advances().At(target->advance).abbrev) return {};
    // The abbreviation's own rules, as every other way of setting it has them.
    const FieldRef own = AdvanceFieldRef(target->advance, AdvanceField::Abbrev);
    if (const ParsedValue parsed = ParseDisplayText(rules, own, *bytes); !parsed.problem.empty())
        return {{}, parsed.problem};
    else if (parsed.stored != *bytes)
        return {{}, "\"" + shown + "\" would not read back as typed: the file drops the spaces "
                    "at its ends and squeezes runs of them."};
    const DocumentMap& map = document.Map();
    FieldChanges changes = {{own, *bytes}};
    std::vector<TextEdit> edits;
    for (const Mention& mention : map.MentionsOf(target->advance)) {
        if (mention.field) {
            changes.emplace_back(*mention.field, *bytes);
        } else {
            if (HoldsUnstorable(document, mention.range.start.line)) return {{}, kUnstorableLine};
            edits.push_back({mention.range, std::string(newAbbrev)});
        }
    }
    std::optional<std::vector<TextEdit>> fieldEdits = FieldEdits(document, changes);
    if (!fieldEdits) return {{}, kUnstorableLine};
    edits.insert(edits.end(), fieldEdits->begin(), fieldEdits->end());
    std::sort(edits.begin(), edits.end(),
              [](const TextEdit& a, const TextEdit& b) { return a.range.start < b.range.start; });
    return {std::move(edits), {}};
}

}  // namespace rules::language

namespace rules::language {

std::optional<std::vector<TextEdit>> FormatEdits(const OpenDocument& document) {
    RulesDocument aligned = document.Rules();
    const std::vector<int> lines = AlignColumns(aligned);
    return LineEdits(document, aligned, lines);
}

}  // namespace rules::language
