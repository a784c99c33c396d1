#include "rules/language/navigation.h"

#include "rules/language/document_map.h"

namespace rules::language {

std::optional<AdvanceAtPlace> AdvanceAt(const OpenDocument& document, TextPoint place) {
    const RulesDocument& rules = document.Rules();
    const DocumentMap& map = document.Map();
    const std::optional<RecordPlace> record = map.RecordOn(place.line);
    if (record && record->section != SectionId::Cosmic) {
        const int field = map.FieldAt(*record, place.column);
        if (field < 0) return std::nullopt;
        const FieldRef ref{record->section, record->record, field};
        const TextRange range = map.FieldRange(ref);
        if (!range.Contains(place)) return std::nullopt;
        if (record->section == SectionId::Advances) {
            if (field == static_cast<int>(AdvanceField::Abbrev))
                return AdvanceAtPlace{record->record, range, AdvanceAtPlace::How::Abbreviation};
            if (field == static_cast<int>(AdvanceField::Name))
                return AdvanceAtPlace{record->record, range, AdvanceAtPlace::How::Name};
        }
        if (!IsAdvanceField(ref.section, field)) return std::nullopt;
        if (const int advance = map.AdvanceNamed(FieldText(rules, ref)))
            return AdvanceAtPlace{advance, range, AdvanceAtPlace::How::Mention};
        return std::nullopt;
    }
    // Elsewhere only the whole fields of other sections name advances; the
    // map has found them all already.
    const SectionPlace* section = map.SectionAt(place.line);
    if (!section || section->table) return std::nullopt;
    for (int k = 1; k <= rules.Advances().Count(); ++k)
        for (const Mention& mention : map.MentionsOf(k))
            if (mention.range.start.line == place.line && mention.range.Contains(place))
                return AdvanceAtPlace{k, mention.range, AdvanceAtPlace::How::Mention};
    return std::nullopt;
}

std::optional<TextRange> DefinitionAt(const OpenDocument& document, TextPoint place) {
    const std::optional<AdvanceAtPlace> at = AdvanceAt(document, place);
    if (!at) return std::nullopt;
    return document.Map().LineRange(document.Rules().Advances().At(at->advance).line);
}

std::vector<TextRange> ReferencesAt(const OpenDocument& document, TextPoint place,
                                    bool withDeclaration) {
    std::vector<TextRange> places;
    const std::optional<AdvanceAtPlace> at = AdvanceAt(document, place);
    if (!at) return places;
    const DocumentMap& map = document.Map();
    if (withDeclaration)
        places.push_back(map.FieldRange(AdvanceFieldRef(at->advance, AdvanceField::Abbrev)));
    for (const Mention& mention : map.MentionsOf(at->advance)) places.push_back(mention.range);
    return places;
}

}  // namespace rules::language
