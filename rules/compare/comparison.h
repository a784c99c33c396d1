#pragma once

// What differs between two parsed rules documents, field by field, as the
// game reads them: units and advances are matched by position (the game
// knows them by their place in the table, not by name), the cosmic values by
// their fixed positions, the rows of the other sections by their section's
// name and their position in it, cell by cell, and every other line of the
// two files is compared as a line. Texts stay Windows-1252 bytes.

#include <string>
#include <string_view>
#include <vector>

#include "rules/document/findings.h"
#include "rules/document/record_fields.h"
#include "rules/sections/cell_ref.h"

namespace rules {

class RulesDocument;

// One field whose text differs in a record both documents hold.
struct FieldDifference {
    FieldRef ref;        // the field in either document (same position)
    std::string before;  // its text in the base document
    std::string after;   // its text in the other document: what "take theirs" copies
    int otherLine = -1;  // 0-based line of the record in the other document
};

// A record (unit, advance or cosmic value) that differs: in both documents
// with some fields changed, or in one document only (the tables of the other
// end earlier, or the cosmic value was never read there).
struct RecordDifference {
    enum class Presence { Both, OnlyInBase, OnlyInOther };

    SectionId section = SectionId::Units;
    int record = 0;  // 1-based position, as in FieldRef
    Presence presence = Presence::Both;
    // How the user knows the record: the base's name (the other's when only
    // the other holds it); the cosmic value's key. Advances add their
    // abbreviation.
    std::string name;
    std::string abbrev;
    int baseLine = -1;   // 0-based; -1 when the base lacks the record
    int otherLine = -1;  // 0-based; -1 when the other lacks it
    std::vector<FieldDifference> fields;  // in field order; empty unless Both
};

// One cell whose text differs in a row both documents hold.
struct CellDifference {
    CellRef ref;         // the cell in the base document
    CellRef otherRef;    // the same cell in the other document (its section's
                         // index, and its comment's column, may differ there)
    std::string column;  // its heading: "defense", "Column 3", "Comment"
    std::string before;
    std::string after;   // what "take theirs" copies
    int otherLine = -1;
};

// A row of another section that differs: in both documents with some cells
// changed, or in one only (its section ends earlier, or is missing, in the
// other).
struct RowDifference {
    std::string section;     // "TERRAIN"
    int baseSection = -1;    // its index among each document's other
    int otherSection = -1;   //   sections; -1 where the document lacks it
    int row = 0;             // 1-based position in the section
    RecordDifference::Presence presence = RecordDifference::Presence::Both;
    std::string name;        // its first value (the other's when only it has the row)
    int baseLine = -1;
    int otherLine = -1;
    std::vector<CellDifference> cells;  // values in column order, then the comment
};

// A line outside the records that differs: a line of the base changed into
// one of the other (both lines set), or a line only one file has (the
// other's index -1).
struct LineDifference {
    int baseLine = -1;
    int otherLine = -1;
};

struct Comparison {
    // Cosmic values first, then advances, then units, each by position.
    std::vector<RecordDifference> records;
    // The other sections' rows, section by section in the base's order
    // (sections only the other has last), each by position.
    std::vector<RowDifference> rows;
    // In file order.
    std::vector<LineDifference> lines;

    bool Empty() const { return records.empty() && rows.empty() && lines.empty(); }
    // Differing records of a section (those only one side holds included).
    int RecordsDiffering(SectionId section) const;
    // Differing rows of the other sections, all or of one section.
    int RowsDiffering() const { return static_cast<int>(rows.size()); }
    int RowsDiffering(std::string_view section) const;
    // Lines outside the records: changed, and held by one file only.
    int LinesChanged() const;
    int LinesOnlyInBase() const;
    int LinesOnlyInOther() const;
};

// Both documents must be parsed. Neither is changed.
Comparison Compare(const RulesDocument& base, const RulesDocument& other);

// Brings `comparison` of `base` with `other` up to date once fields of
// these records of `section` changed in either: only they are compared
// again. The other lines stay as compared, since a field never lies on one.
void RecompareRecords(const RulesDocument& base, const RulesDocument& other, SectionId section,
                      const std::vector<int>& records, Comparison& comparison);

// The record's 0-based line in the document, or -1 when the document lacks
// it (its table ends before it, or the cosmic value was never read).
int RecordLine(const RulesDocument& document, SectionId section, int record);

// `Unit "Ember Guard"`, `Advance "Kiln Firing" (Kln)`, `Cosmic value RoadMove`.
std::string RecordLabel(SectionId section, std::string_view name, std::string_view abbrev);
std::string RecordLabel(const RecordDifference& record);
// A value as the difference lines show it: names (`quoted`) in quotes, and
// any text that would otherwise not read as one value (empty, or with a
// space).
std::string ShownValue(std::string_view text, bool quoted);
// One line per difference: `Unit "Ember Guard": attack 1 -> 2`,
// `Advance "Kiln Firing" (Kln): prerequisite 1 nil -> Emk`,
// `Cosmic value RoadMove: 3 -> 4`, `Unit "Old": name "Old" -> "New"`.
std::string DifferenceText(const RecordDifference& record, const FieldDifference& field);
// For a record one side lacks: `Unit "Sky Barge": added` (only in the
// other), `... : removed` (only in the base).
std::string PresenceText(const RecordDifference& record);
// The same for rows: `Row "Saltmarsh" of TERRAIN: column "defense" 1 -> 2`,
// `Row "Bog" of TERRAIN: added`.
std::string RowLabel(const RowDifference& row);
std::string DifferenceText(const RowDifference& row, const CellDifference& cell);
std::string PresenceText(const RowDifference& row);

// "3 units, 1 advance, 2 rows of TERRAIN and 4 other lines differ." or
// "No differences."
std::string SummarySentence(const Comparison& comparison);
// The same without the full stop, for a list of versions:
// "2 units, 1 advance and 3 cosmic values differ".
std::string SummaryLine(const Comparison& comparison);

}  // namespace rules
