#include "rules/language/document_edits.h"

#include <algorithm>
#include <set>

#include "rules/check/quick_fixes.h"
#include "rules/document/cp1252.h"
#include "rules/document/field_spans.h"
#include "rules/document/field_values.h"
#include "rules/language/document_map.h"
#include "rules/language/navigation.h"

namespace rules::language {

namespace {

constexpr std::size_t kAbbrevLength = 3;
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

// Whether the section's reader reads `line` as exactly the record that
// `changed` holds at `place`.
bool ReadsAs(std::string_view line, const RulesDocument& changed, RecordPlace place) {
    switch (place.section) {
        case SectionId::Cosmic:
            return CosmicSection::ParseValue(line) == changed.Cosmic().Value(place.record - 1);
        case SectionId::Advances: {
            AdvanceRecord read;
            read.line = changed.Advances().At(place.record).line;
            return AdvanceTable::ParseLine(line, read) &&
                   read == changed.Advances().At(place.record);
        }
        case SectionId::Units: {
            UnitRecord read;
            read.line = changed.Units().At(place.record).line;
            return UnitTable::ParseLine(line, read) && read == changed.Units().At(place.record);
        }
    }
    return false;
}

// The record's line with each changed value put where the old one stands,
// everything else kept; nothing when the reader would not read the result
// as the changed record. A number the reader takes the digits of ("4a")
// keeps the letters around them.
std::optional<std::string> EditedInPlace(std::string_view line, const RulesDocument& changed,
                                         RecordPlace place, const FieldChanges& changes) {
    const std::vector<FieldSpan> spans = RecordFieldSpans(place.section, line);
    std::vector<std::pair<FieldSpan, const std::string*>> edits;
    for (const auto& [ref, value] : changes) {
        if (ref.section != place.section || ref.record != place.record) continue;
        if (ref.field < 0 || ref.field >= static_cast<int>(spans.size())) return std::nullopt;
        FieldSpan span = spans[static_cast<std::size_t>(ref.field)];
        const std::string_view old = line.substr(static_cast<std::size_t>(span.begin),
                                                 static_cast<std::size_t>(span.end - span.begin));
        const std::size_t first = old.find_first_of("0123456789");
        if (IsNumericField(place.section, ref.field) && first != std::string_view::npos) {
            const std::size_t last = old.find_last_of("0123456789");
            span = {span.begin + static_cast<int>(first), span.begin + static_cast<int>(last) + 1};
        }
        edits.emplace_back(span, &value);
    }
    // From the right, so that the spans to the left stay where they are.
    std::sort(edits.begin(), edits.end(),
              [](const auto& a, const auto& b) { return a.first.begin > b.first.begin; });
    std::string edited(line);
    for (const auto& [span, value] : edits)
        edited.replace(static_cast<std::size_t>(span.begin),
                       static_cast<std::size_t>(span.end - span.begin), *value);
    if (!ReadsAs(edited, changed, place)) return std::nullopt;
    return edited;
}

}  // namespace

std::optional<std::vector<TextEdit>> FieldEdits(const OpenDocument& document,
                                                const FieldChanges& changes) {
    const RulesDocument& rules = document.Rules();
    const DocumentMap& map = document.Map();
    RulesDocument changed = rules;
    std::set<int> lines;
    for (const auto& [ref, value] : changes) {
        if (!IsValidField(changed, ref)) continue;
        SetFieldText(changed, ref, value);
        if (const int line = map.LineOf(ref.section, ref.record); line >= 0) lines.insert(line);
    }
    changed.Render();
    std::vector<TextEdit> edits;
    for (const int line : lines) {
        const std::string_view before = rules.Lines().GetLine(line);
        const std::optional<std::string> inPlace =
            EditedInPlace(before, changed, *map.RecordOn(line), changes);
        const std::string_view after =
            inPlace ? std::string_view(*inPlace) : changed.Lines().GetLine(line);
        if (before == after) continue;
        if (HoldsUnstorable(document, line)) return std::nullopt;
        edits.push_back(LineEdit(line, before, after));
    }
    return edits;
}

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
            if (fix.edits.empty()) continue;
            std::optional<std::vector<TextEdit>> edits = FieldEdits(document, fix.edits);
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
    if (bytes->size() != kAbbrevLength)
        return {{},
                "An abbreviation has three characters; \"" + shown + "\" has " +
                    std::to_string(bytes->size()) + "."};
    if (bytes->front() == ' ' || bytes->back() == ' ')
        return {{}, "An abbreviation cannot start or end with a space: the file would lose it."};
    if (IsNoAdvance(*bytes)) return {{}, "\"" + shown + "\" stands for no advance."};
    const FieldRef own = AdvanceFieldRef(target->advance, AdvanceField::Abbrev);
    if (const ParsedValue parsed = ParseDisplayText(rules, own, *bytes); !parsed.problem.empty())
        return {{}, parsed.problem};
    const DocumentMap& map = document.Map();
    if (const int holder = map.AdvanceNamed(*bytes))
        return {{},
                "\"" + shown + "\" is taken: " + Cp1252ToUtf8(rules.Advances().At(holder).name) +
                    " has it."};

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
