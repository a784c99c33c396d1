#include "rules/compare/comparison.h"

#include <algorithm>

#include "rules/compare/line_matcher.h"
#include "rules/document/field_table.h"
#include "rules/document/rules_document.h"
#include "rules/document/text_routines.h"

namespace rules {

namespace {

void CompareSection(const RulesDocument& base, const RulesDocument& other, SectionId section,
                    std::vector<RecordDifference>& out) {
    const int records = std::max(RecordCount(base, section), RecordCount(other, section));
    const int fields = FieldCount(section);
    for (int r = 1; r <= records; ++r) {
        const int baseLine = RecordLine(base, section, r);
        const int otherLine = RecordLine(other, section, r);
        if (baseLine < 0 && otherLine < 0) continue;
        RecordDifference difference;
        difference.section = section;
        difference.record = r;
        difference.baseLine = baseLine;
        difference.otherLine = otherLine;
        if (baseLine < 0 || otherLine < 0) {
            difference.presence = baseLine < 0 ? RecordDifference::Presence::OnlyInOther
                                               : RecordDifference::Presence::OnlyInBase;
        } else {
            for (int f = 0; f < fields; ++f) {
                const FieldRef ref{section, r, f};
                const std::string& before = FieldText(base, ref);
                const std::string& after = FieldText(other, ref);
                if (before != after) difference.fields.push_back({ref, before, after, otherLine});
            }
            if (difference.fields.empty()) continue;
        }
        const RulesDocument& known = baseLine >= 0 ? base : other;
        difference.name = RecordName(known, section, r);
        if (section == SectionId::Advances) difference.abbrev = known.Advances().At(r).abbrev;
        out.push_back(std::move(difference));
    }
}


}  // namespace

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
    const FreeLines baseLines(base);
    const FreeLines otherLines(other);
    LineMatcher(baseLines, otherLines, comparison.lines).Run();
    return comparison;
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
    const bool name = Spec(field.ref).kind == FieldKind::Name;
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
