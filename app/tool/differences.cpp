#include "app/tool/differences.h"

#include <algorithm>
#include <ostream>

#include "rules/document/cp1252.h"

namespace tool {

using rules::RecordDifference;

std::string Entry::Text() const {
    if (freeLine) return "line differs";
    if (row) return rules::Cp1252ToUtf8(cell ? rules::DifferenceText(*row, *cell) : rules::PresenceText(*row));
    return rules::Cp1252ToUtf8(field ? rules::DifferenceText(*record, *field)
                                     : rules::PresenceText(*record));
}

std::vector<Entry> Entries(const rules::Comparison& comparison) {
    std::vector<Entry> entries;
    for (const RecordDifference& record : comparison.records) {
        if (record.presence == RecordDifference::Presence::Both) {
            for (const rules::FieldDifference& field : record.fields)
                entries.push_back({false, field.otherLine, &record, &field, nullptr, nullptr, nullptr});
        } else if (record.presence == RecordDifference::Presence::OnlyInOther) {
            entries.push_back({false, record.otherLine, &record, nullptr, nullptr, nullptr, nullptr});
        } else {
            entries.push_back({true, record.baseLine, &record, nullptr, nullptr, nullptr, nullptr});
        }
    }
    for (const rules::RowDifference& row : comparison.rows) {
        Entry entry;
        entry.row = &row;
        if (row.presence == RecordDifference::Presence::Both) {
            for (const rules::CellDifference& cell : row.cells) {
                entry.line = cell.otherLine;
                entry.cell = &cell;
                entries.push_back(entry);
            }
        } else {
            entry.inBase = row.presence == RecordDifference::Presence::OnlyInBase;
            entry.line = entry.inBase ? row.baseLine : row.otherLine;
            entries.push_back(entry);
        }
    }
    for (const rules::LineDifference& line : comparison.lines)
        if (line.baseLine >= 0 && line.otherLine >= 0)
            entries.push_back({false, line.otherLine, nullptr, nullptr, &line, nullptr, nullptr});
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.inBase != b.inBase) return b.inBase;
        return a.line < b.line;
    });
    return entries;
}

namespace {

std::string LinesLacking(const std::string& has, int count, const std::string& lacks) {
    return has + " has " + std::to_string(count) + (count == 1 ? " line" : " lines") + " that " +
           lacks + " lacks.";
}

}  // namespace

void PrintDifferences(const rules::Comparison& comparison, const std::string& base,
                      const std::string& other, std::ostream& out) {
    for (const Entry& entry : Entries(comparison))
        out << (entry.inBase ? base : other) << ":" << entry.line + 1 << ": " << entry.Text()
            << "\n";
    if (const int n = comparison.LinesOnlyInOther()) out << LinesLacking(other, n, base) << "\n";
    if (const int n = comparison.LinesOnlyInBase()) out << LinesLacking(base, n, other) << "\n";
    out << rules::SummarySentence(comparison) << "\n";
}

}  // namespace tool
