#include "rules/check/written_numbers.h"

#include "rules/document/field_table.h"
#include "rules/document/rules_document.h"

namespace rules {

namespace {

// The saved line of an unchanged digits-read record and where the field
// stands on it; nothing for any other field.
struct WrittenCell {
    const std::string* line;
    ValueSpan span;
};

std::optional<WrittenCell> CellOnLine(const RulesDocument& document, const FieldRef& ref) {
    if (!IsValidField(document, ref)) return std::nullopt;
    if (ref.section == SectionId::Units) {
        const UnitTable& units = document.Units();
        if (units.At(ref.record).line < 0 || units.Changed(ref.record)) return std::nullopt;
        const ValueSpan& span = units.SavedLayout(ref.record)[static_cast<std::size_t>(ref.field)];
        if (!span.Known() || span.reading != ValueReading::Digits) return std::nullopt;
        return WrittenCell{&units.SavedLine(ref.record), span};
    }
    if (ref.section == SectionId::Cosmic) {
        const CosmicSection& cosmic = document.Cosmic();
        const int k = ref.record - 1;
        if (cosmic.LineOf(k) < 0 || cosmic.Changed(k) || !cosmic.SavedSpan(k).Known())
            return std::nullopt;
        return WrittenCell{&cosmic.SavedLine(k), cosmic.SavedSpan(k)};
    }
    return std::nullopt;
}

// The cell's text, and whether it ends with the writer's letter.
std::string CellText(const WrittenCell& cell, char letter, bool& lettered) {
    std::string text = cell.line->substr(static_cast<std::size_t>(cell.span.cellBegin),
                                         static_cast<std::size_t>(cell.span.cellEnd - cell.span.cellBegin));
    lettered = letter != '\0' && !text.empty() && text.back() == letter;
    if (lettered) text.pop_back();
    return text;
}

}  // namespace

std::string WrittenNumber(const RulesDocument& document, const FieldRef& ref) {
    const std::optional<WrittenCell> cell = CellOnLine(document, ref);
    if (!cell) return IsValidField(document, ref) ? FieldText(document, ref) : std::string();
    bool lettered = false;
    return CellText(*cell, InfoOf(ref).letterAfter, lettered);
}

std::optional<LineFix> KeepNumberOnLine(const RulesDocument& document, const FieldRef& ref,
                                        const std::string& number) {
    const std::optional<WrittenCell> cell = CellOnLine(document, ref);
    if (!cell) return std::nullopt;
    const char letter = InfoOf(ref).letterAfter;
    bool lettered = false;
    if (CellText(*cell, letter, lettered) == number) return std::nullopt;
    std::string line = *cell->line;
    line.replace(static_cast<std::size_t>(cell->span.cellBegin),
                 static_cast<std::size_t>(cell->span.cellEnd - cell->span.cellBegin),
                 lettered ? number + letter : number);
    const int index = ref.section == SectionId::Units ? document.Units().At(ref.record).line
                                                      : document.Cosmic().LineOf(ref.record - 1);
    return LineFix{ref.section, ref.record, index, std::move(line)};
}

bool ApplyLineFixes(RulesDocument& document, const std::vector<LineFix>& fixes) {
    for (const LineFix& fix : fixes) {
        const bool taken = fix.section == SectionId::Units
                               ? document.Units().Respace(fix.record, fix.text)
                           : fix.section == SectionId::Cosmic
                               ? document.Cosmic().Respace(fix.record - 1, fix.text)
                               : false;
        if (!taken) return false;
        document.Lines().PutLine(fix.line, fix.text);
    }
    return true;
}

bool HoldsMoreThanRead(std::string_view line, const UnitLayout& layout) {
    for (int f = 0; f < static_cast<int>(UnitField::Count); ++f) {
        const ValueSpan& span = layout[static_cast<std::size_t>(f)];
        if (!span.Known()) return true;
        if (span.reading != ValueReading::Digits) continue;
        if (span.begin != span.cellBegin) return true;
        const int after = span.cellEnd - span.end;
        if (after == 0) continue;
        const char letter = InfoOf(SectionId::Units, f).letterAfter;
        if (after > 1 || letter == '\0' || line[static_cast<std::size_t>(span.end)] != letter)
            return true;
    }
    return false;
}

}  // namespace rules
