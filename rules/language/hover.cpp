#include "rules/language/hover.h"

#include "rules/document/cosmic_section.h"
#include "rules/document/cp1252.h"
#include "rules/document/field_table.h"
#include "rules/document/field_values.h"
#include "rules/language/document_map.h"
#include "rules/language/navigation.h"
#include "rules/tree/record_figures.h"
#include "rules/tree/tech_tree.h"

namespace rules::language {

namespace {

// Windows-1252 text as Markdown that shows it as it is.
std::string Markdown(std::string_view bytes) {
    std::string out;
    for (const char c : Cp1252ToUtf8(bytes)) {
        if (std::string_view("\\`*_[]<>#|").find(c) != std::string_view::npos) out += '\\';
        out += c;
    }
    return out;
}

// The tree's description of an advance, its first line as the title and
// every other line an item of a list.
std::string AdvanceText(const RulesDocument& rules, int advance) {
    const TechTree tree = TechTree::Build(rules.Advances(), rules.Units());
    const std::string text = tree.Describe(TechTree::IndexOfAdvance(advance));
    std::string out;
    std::size_t start = 0;
    for (bool first = true; start <= text.size(); first = false) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = Markdown(text.substr(start, end - start));
        out += first ? "**" + line + "** · advance " + std::to_string(advance) + "\n\n"
                     : "- " + line + "\n";
        start = end + 1;
    }
    return out;
}

std::string AdvanceWords(const RulesDocument& rules, const std::string& abbrev) {
    const int advance = rules.Advances().FindByAbbrev(abbrev);
    if (advance == 0) return "\"" + Markdown(abbrev) + "\", which no advance is";
    return Markdown(rules.Advances().At(advance).name) + " (" + Markdown(abbrev) + ")";
}

std::string UnitText(const RulesDocument& rules, int unit) {
    const UnitRecord& record = rules.Units().At(unit);
    std::string out = "**" + Markdown(record.name) + "** · unit " + std::to_string(unit) + "\n\n";
    for (int field = 1; field < FieldCount(SectionId::Units); ++field)
        out += "- " + std::string(InfoOf(SectionId::Units, field).heading) + ": " +
               Markdown(DisplayText(rules, UnitFieldRef(unit, static_cast<UnitField>(field)))) +
               "\n";

    const UnitFigures figures = RecordFigures::Compute(rules.Advances(), rules.Units())
                                    .units.at(static_cast<std::size_t>(unit - 1));
    out += "\n";
    if (record.prereq == "nil")
        out += "Needs no advance: it can be built from the start.";
    else if (record.prereq == "no")
        out += "Needs \"no\": it can never be built.";
    else if (figures.neverAvailable)
        out += "Needs " + AdvanceWords(rules, record.prereq) +
               ", which waits on a circle of prerequisites: it can never be built.";
    else if (figures.availableEpoch >= 0)
        out += "Needs " + AdvanceWords(rules, record.prereq) + ": " +
               std::to_string(figures.advancesNeeded) + " advances in all, from the " +
               EpochName(figures.availableEpoch) + " epoch on.";
    else
        out += "Needs " + AdvanceWords(rules, record.prereq) + ".";
    out += "  \n";
    if (IsNoAdvance(record.obsoleteBy))
        out += "Never made obsolete.";
    else if (figures.retiredEpoch >= 0)
        out += "Made obsolete by " + AdvanceWords(rules, record.obsoleteBy) + ", " +
               EpochName(figures.retiredEpoch) + " epoch.";
    else
        out += "Made obsolete by " + AdvanceWords(rules, record.obsoleteBy) + ".";
    return out + "\n";
}

std::string CosmicText(const RulesDocument& rules, int position) {
    const std::size_t k = static_cast<std::size_t>(position - 1);
    const ValueRange range = InfoOf(CosmicFieldRef(position)).range;
    return "**" + Markdown(CosmicNames()[k]) + "** · cosmic value " + std::to_string(position) +
           " of " + std::to_string(kCosmicCount) + "\n\n" +
           Markdown(CosmicComments(rules.GetLanguage())[k]) + "\n\nValue " +
           Markdown(rules.Cosmic().Value(position - 1)) + ", allowed " +
           std::to_string(range.minimum) + " to " + std::to_string(range.maximum) + ".\n";
}

}  // namespace

std::optional<Hover> HoverAt(const OpenDocument& document, TextPoint place) {
    const RulesDocument& rules = document.Rules();
    const DocumentMap& map = document.Map();
    if (const std::optional<AdvanceAtPlace> at = AdvanceAt(document, place))
        return Hover{AdvanceText(rules, at->advance), at->range};
    const std::optional<RecordPlace> record = map.RecordOn(place.line);
    if (!record) return std::nullopt;
    const TextRange line = map.LineRange(place.line);
    switch (record->section) {
        case SectionId::Advances:
            return Hover{AdvanceText(rules, record->record), line};
        case SectionId::Units:
            return Hover{UnitText(rules, record->record), line};
        case SectionId::Cosmic:
            return Hover{CosmicText(rules, record->record), line};
    }
    return std::nullopt;
}

}  // namespace rules::language
