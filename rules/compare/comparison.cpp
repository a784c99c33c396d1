#include "rules/compare/comparison.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "rules/compare/line_matcher.h"
#include "rules/document/field_table.h"
#include "rules/document/rules_document.h"
#include "rules/document/text_routines.h"
#include "rules/sections/section_cells.h"

namespace rules {

namespace {

// The difference of record `r` of `section`, if there is one.
std::optional<RecordDifference> CompareRecord(const RulesDocument& base, const RulesDocument& other,
                                              SectionId section, int r) {
    const int baseLine = RecordLine(base, section, r);
    const int otherLine = RecordLine(other, section, r);
    if (baseLine < 0 && otherLine < 0) return std::nullopt;
    RecordDifference difference;
    difference.section = section;
    difference.record = r;
    difference.baseLine = baseLine;
    difference.otherLine = otherLine;
    if (baseLine < 0 || otherLine < 0) {
        difference.presence = baseLine < 0 ? RecordDifference::Presence::OnlyInOther
                                           : RecordDifference::Presence::OnlyInBase;
    } else {
        const int fields = FieldCount(section);
        for (int f = 0; f < fields; ++f) {
            const FieldRef ref{section, r, f};
            const std::string& before = FieldText(base, ref);
            const std::string& after = FieldText(other, ref);
            if (before != after) difference.fields.push_back({ref, before, after, otherLine});
        }
        if (difference.fields.empty()) return std::nullopt;
    }
    const RulesDocument& known = baseLine >= 0 ? base : other;
    difference.name = RecordName(known, section, r);
    if (section == SectionId::Advances) difference.abbrev = known.Advances().At(r).abbrev;
    return difference;
}

void CompareSection(const RulesDocument& base, const RulesDocument& other, SectionId section,
                    std::vector<RecordDifference>& out) {
    const int records = std::max(RecordCount(base, section), RecordCount(other, section));
    for (int r = 1; r <= records; ++r)
        if (auto difference = CompareRecord(base, other, section, r)) out.push_back(std::move(*difference));
}

// Where a section's records stand among the differences: cosmic values
// first, then advances, then units.
int SectionRank(SectionId section) {
    switch (section) {
        case SectionId::Cosmic: return 0;
        case SectionId::Advances: return 1;
        case SectionId::Units: return 2;
    }
    return 3;
}

// The heading of value column `column` where one of the two has it.
std::string ColumnHeading(const SectionTable* base, const SectionTable* other, int column) {
    for (const SectionTable* section : {base, other})
        if (section && column < section->ValueColumns())
            return section->Headings()[static_cast<std::size_t>(column)];
    return "Column " + std::to_string(column + 1);
}

// The rows of one section, by position, in `base` (index `s`) and `other`
// (index `t`); either may be missing.
void CompareSectionRows(const SectionTable* base, int s, const SectionTable* other, int t,
                        std::vector<RowDifference>& out) {
    const int rows = std::max(base ? base->RowCount() : 0, other ? other->RowCount() : 0);
    for (int r = 1; r <= rows; ++r) {
        const bool inBase = base && r <= base->RowCount();
        const bool inOther = other && r <= other->RowCount();
        RowDifference difference;
        difference.section = (base ? base : other)->Name();
        difference.baseSection = base ? s : -1;
        difference.otherSection = other ? t : -1;
        difference.row = r;
        difference.baseLine = inBase ? base->LineOf(r) : -1;
        difference.otherLine = inOther ? other->LineOf(r) : -1;
        if (!inBase || !inOther) {
            difference.presence = inBase ? RecordDifference::Presence::OnlyInBase
                                         : RecordDifference::Presence::OnlyInOther;
        } else {
            const RowText& a = base->Row(r);
            const RowText& b = other->Row(r);
            const std::size_t values = std::max(a.values.size(), b.values.size());
            for (std::size_t c = 0; c < values; ++c) {
                const std::string before = c < a.values.size() ? a.values[c] : std::string();
                const std::string after = c < b.values.size() ? b.values[c] : std::string();
                if (before == after) continue;
                const int column = static_cast<int>(c);
                difference.cells.push_back({{s, r, column}, {t, r, column},
                                            ColumnHeading(base, other, column), before, after,
                                            difference.otherLine});
            }
            if (a.comment != b.comment)
                difference.cells.push_back({{s, r, base->CommentColumn()}, {t, r, other->CommentColumn()},
                                            "Comment", a.comment, b.comment, difference.otherLine});
            if (difference.cells.empty()) continue;
        }
        difference.name = RowName(inBase ? *base : *other, r);
        out.push_back(std::move(difference));
    }
}

void CompareRows(const RulesDocument& base, const RulesDocument& other, std::vector<RowDifference>& out) {
    const OtherSections& a = base.Others();
    const OtherSections& b = other.Others();
    std::vector<bool> answered(static_cast<std::size_t>(b.Count()), false);
    for (int s = 0; s < a.Count(); ++s) {
        const int t = a.CounterpartIn(b, s);
        if (t >= 0) answered[static_cast<std::size_t>(t)] = true;
        CompareSectionRows(&a.At(s), s, t >= 0 ? &b.At(t) : nullptr, t, out);
    }
    for (int t = 0; t < b.Count(); ++t)
        if (!answered[static_cast<std::size_t>(t)]) CompareSectionRows(nullptr, -1, &b.At(t), t, out);
}

}  // namespace

int Comparison::RowsDiffering(std::string_view section) const {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [&](const auto& r) { return r.section == section; }));
}

int RecordLine(const RulesDocument& document, SectionId section, int record) {
    if (record < 1 || record > RecordCount(document, section)) return -1;
    switch (section) {
        case SectionId::Units: return document.Units().At(record).line;
        case SectionId::Advances: return document.Advances().At(record).line;
        case SectionId::Cosmic: return document.Cosmic().LineOf(record - 1);
    }
    return -1;
}

std::string ShownValue(std::string_view text, bool quoted) {
    if (!quoted && !text.empty() && text.find(' ') == std::string_view::npos)
        return std::string(text);
    std::string shown = "\"";
    shown += text;
    shown += '"';
    return shown;
}

int Comparison::RecordsDiffering(SectionId section) const {
    return static_cast<int>(std::count_if(records.begin(), records.end(), [&](const auto& r) {
        return r.section == section;
    }));
}

int Comparison::LinesChanged() const {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const auto& l) {
        return l.baseLine >= 0 && l.otherLine >= 0;
    }));
}

int Comparison::LinesOnlyInBase() const {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.otherLine < 0; }));
}

int Comparison::LinesOnlyInOther() const {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.baseLine < 0; }));
}

Comparison Compare(const RulesDocument& base, const RulesDocument& other) {
    Comparison comparison;
    for (SectionId section : {SectionId::Cosmic, SectionId::Advances, SectionId::Units})
        CompareSection(base, other, section, comparison.records);
    CompareRows(base, other, comparison.rows);
    const FreeLines baseLines(base);
    const FreeLines otherLines(other);
    LineMatcher(baseLines, otherLines, comparison.lines).Run();
    return comparison;
}

void RecompareRecords(const RulesDocument& base, const RulesDocument& other, SectionId section,
                      const std::vector<int>& records, Comparison& comparison) {
    std::vector<RecordDifference>& all = comparison.records;
    const auto before = [](const RecordDifference& a, SectionId section, int record) {
        return std::pair(SectionRank(a.section), a.record) < std::pair(SectionRank(section), record);
    };
    for (const int r : records) {
        auto at = std::lower_bound(all.begin(), all.end(), r, [&](const RecordDifference& a, int record) {
            return before(a, section, record);
        });
        if (at != all.end() && at->section == section && at->record == r) at = all.erase(at);
        if (auto difference = CompareRecord(base, other, section, r)) all.insert(at, std::move(*difference));
    }
}

std::string RecordLabel(SectionId section, std::string_view name, std::string_view abbrev) {
    switch (section) {
        case SectionId::Units: return "Unit " + ShownValue(name, true);
        case SectionId::Advances:
            return "Advance " + ShownValue(name, true) + " (" + std::string(abbrev) + ")";
        case SectionId::Cosmic: return "Cosmic value " + std::string(name);
    }
    return {};
}

std::string RecordLabel(const RecordDifference& record) {
    return RecordLabel(record.section, record.name, record.abbrev);
}

std::string DifferenceText(const RecordDifference& record, const FieldDifference& field) {
    std::string text = RecordLabel(record);
    text += ": ";
    if (record.section != SectionId::Cosmic) {
        text += FieldLabel(field.ref.section, field.ref.field);
        text += ' ';
    }
    const bool name = InfoOf(field.ref).kind == FieldKind::Name;
    text += ShownValue(field.before, name);
    text += " -> ";
    text += ShownValue(field.after, name);
    return text;
}

std::string PresenceText(const RecordDifference& record) {
    switch (record.presence) {
        case RecordDifference::Presence::OnlyInOther: return RecordLabel(record) + ": added";
        case RecordDifference::Presence::OnlyInBase: return RecordLabel(record) + ": removed";
        case RecordDifference::Presence::Both: break;
    }
    return {};
}

std::string RowLabel(const RowDifference& row) { return RowLabel(row.section, row.name, row.row); }

std::string DifferenceText(const RowDifference& row, const CellDifference& cell) {
    return RowLabel(row) + ": column \"" + cell.column + "\" " + ShownValue(cell.before, false) +
           " -> " + ShownValue(cell.after, false);
}

std::string PresenceText(const RowDifference& row) {
    return RowLabel(row) + (row.presence == RecordDifference::Presence::OnlyInOther ? ": added" : ": removed");
}

std::string SummaryLine(const Comparison& comparison) {
    std::vector<std::string> parts;
    int total = 0;
    const auto add = [&](int n, const char* what) {
        if (n == 0) return;
        parts.push_back(Counted(n, what));
        total += n;
    };
    add(comparison.RecordsDiffering(SectionId::Units), "unit");
    add(comparison.RecordsDiffering(SectionId::Advances), "advance");
    add(comparison.RecordsDiffering(SectionId::Cosmic), "cosmic value");
    std::vector<std::string> sections;
    for (const RowDifference& row : comparison.rows)
        if (std::find(sections.begin(), sections.end(), row.section) == sections.end())
            sections.push_back(row.section);
    for (const std::string& section : sections) {
        const int n = comparison.RowsDiffering(section);
        parts.push_back(Counted(n, "row") + " of " + section);
        total += n;
    }
    add(static_cast<int>(comparison.lines.size()), "other line");
    if (parts.empty()) return "No differences";
    std::string text;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k > 0) text += k + 1 == parts.size() ? " and " : ", ";
        text += parts[k];
    }
    text += total == 1 ? " differs" : " differ";
    return text;
}

std::string SummarySentence(const Comparison& comparison) { return SummaryLine(comparison) + "."; }

}  // namespace rules
