#include "rules/language/annotations.h"

#include <set>

#include "rules/document/cp1252.h"
#include "rules/document/text_routines.h"
#include "rules/language/document_map.h"

namespace rules::language {

namespace {

// "line 40: Oath Circles, prerequisite 1"
std::string Listed(const RulesDocument& rules, const DocumentMap& map, const Mention& mention) {
    std::string text = "line " + std::to_string(mention.range.start.line + 1) + ": ";
    if (!mention.field) {
        const SectionPlace* section = map.SectionAt(mention.range.start.line);
        return text + "@" + Cp1252ToUtf8(section ? section->name : std::string()) + ", " +
               Cp1252ToUtf8(rules.Lines().GetLine(mention.range.start.line));
    }
    const FieldRef& ref = *mention.field;
    return text + Cp1252ToUtf8(RecordName(rules, ref.section, ref.record)) + ", " +
           std::string(FieldLabel(ref.section, ref.field));
}

CodeLens AdvanceLens(const RulesDocument& rules, const DocumentMap& map, int advance) {
    CodeLens lens;
    lens.range = map.LineRange(rules.Advances().At(advance).line);
    std::set<int> advances, units, retires;
    int others = 0;
    for (const Mention& mention : map.MentionsOf(advance)) {
        lens.targets.push_back(mention.range);
        lens.listing += Listed(rules, map, mention) + "\n";
        if (!mention.field) {
            ++others;
        } else if (mention.field->section == SectionId::Advances) {
            advances.insert(mention.field->record);
        } else if (mention.field->field == static_cast<int>(UnitField::Prereq)) {
            units.insert(mention.field->record);
        } else {
            retires.insert(mention.field->record);
        }
    }
    const int a = static_cast<int>(advances.size()), u = static_cast<int>(units.size());
    lens.title = a + u == 0 ? "needed by nothing"
                 : a == 0   ? "needed by " + Counted(u, "unit")
                 : u == 0   ? "needed by " + Counted(a, "advance")
                            : "needed by " + Counted(a, "advance") + ", " + Counted(u, "unit");
    if (!retires.empty())
        lens.title += "; retires " + Counted(static_cast<int>(retires.size()), "unit");
    if (others > 0) lens.title += "; named on " + Counted(others, "other line");
    return lens;
}

CodeLens UnitLens(const RulesDocument& rules, const DocumentMap& map, int unit) {
    CodeLens lens;
    const UnitRecord& record = rules.Units().At(unit);
    lens.range = map.LineRange(record.line);
    const auto words = [&](const std::string& abbrev, const char* nil, const char* no,
                           const char* named) -> std::string {
        if (abbrev == "nil") return nil;
        if (abbrev == "no") return no;
        const int advance = map.AdvanceNamed(abbrev);
        if (advance == 0)
            return std::string(named) + " \"" + Cp1252ToUtf8(abbrev) + "\", which no advance is";
        const AdvanceRecord& a = rules.Advances().At(advance);
        lens.targets.push_back(map.LineRange(a.line));
        lens.listing += "line " + std::to_string(a.line + 1) + ": " + Cp1252ToUtf8(a.name) + " (" +
                        Cp1252ToUtf8(a.abbrev) + ")\n";
        return std::string(named) + " " + Cp1252ToUtf8(a.name);
    };
    lens.title = words(record.prereq, "needs no advance", "never available", "needs") + "; " +
                 words(record.obsoleteBy, "never obsolete", "never obsolete", "obsolete with");
    return lens;
}

}  // namespace

std::vector<InlayHint> InlayHints(const OpenDocument& document, int first, int last) {
    const RulesDocument& rules = document.Rules();
    const DocumentMap& map = document.Map();
    std::vector<InlayHint> hints;
    const auto hintFields = [&](SectionId section, int record, int line) {
        if (line < first || line > last) return;
        for (int field = 0; field < FieldCount(section); ++field) {
            if (!IsAdvanceField(section, field)) continue;
            const FieldRef ref{section, record, field};
            const std::string& text = FieldText(rules, ref);
            std::string label;
            if (text == "nil")
                label = "none";
            else if (text == "no")
                label = "never";
            else if (const int advance = map.AdvanceNamed(text))
                label = Cp1252ToUtf8(rules.Advances().At(advance).name);
            else
                continue;
            hints.push_back({map.FieldRange(ref).end, std::move(label)});
        }
    };
    for (int k = 1; k <= rules.Advances().Count(); ++k)
        hintFields(SectionId::Advances, k, rules.Advances().At(k).line);
    for (int k = 1; k <= rules.Units().Count(); ++k)
        hintFields(SectionId::Units, k, rules.Units().At(k).line);
    return hints;
}

std::vector<CodeLens> CodeLenses(const OpenDocument& document) {
    const RulesDocument& rules = document.Rules();
    const DocumentMap& map = document.Map();
    std::vector<CodeLens> lenses;
    for (int k = 1; k <= rules.Advances().Count(); ++k)
        lenses.push_back(AdvanceLens(rules, map, k));
    for (int k = 1; k <= rules.Units().Count(); ++k) lenses.push_back(UnitLens(rules, map, k));
    return lenses;
}

}  // namespace rules::language
