#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/record_fields.h"
#include "rules/sections/cell_ref.h"
#include "rules/tree/record_figures.h"

namespace rules {

class RulesDocument;

// The Table's columns that show no field but a figure worked out from the
// tables, or the cosmic value's fixed name and description.
enum class ComputedColumn {
    None,
    Available,            // a unit: the epoch it can first be built in
    UnitAdvancesNeeded,   // a unit: the advances it takes in all
    RetiredBy,            // a unit: the epoch its successor comes in
    AdvancesNeeded,       // an advance: the advances it takes in all
    Opens,                // an advance: the advances that need it directly
    UnitsBrought,         // an advance: the units it brings
    CosmicName,
    CosmicDescription,
};

// One column of the Table (and of its CSV): its heading, and the field it
// shows or what it computes.
struct TableColumn {
    std::string_view heading;
    int field = -1;  // -1 for a computed column
    ComputedColumn computed = ComputedColumn::None;
};

// The columns of a section, left to right: the record's fields, then its
// computed figures.
const std::vector<TableColumn>& TableColumns(SectionId section);
// The column with this heading (ASCII letter case ignored), or -1.
int ColumnOfHeading(SectionId section, std::string_view heading);
// The column that shows the field, or -1.
int ColumnOfField(SectionId section, int field);

// A computed cell: its text, and the number it sorts by (none: it sorts by
// its text).
struct ComputedCell {
    std::string text;
    std::optional<long> order;
};
ComputedCell ComputeCell(const RulesDocument& document, const RecordFigures& figures,
                         ComputedColumn column, int record);

// What the cell of `record` (1-based) in `column` shows, as Windows-1252
// bytes: a field's DisplayText, nothing for a cosmic value the file has no
// line for, or the computed figure.
std::string TableCellText(const RulesDocument& document, const RecordFigures& figures,
                          SectionId section, int column, int record);

// Whether the field may be written: its record exists and, for a cosmic
// value, the file has its line (a value without one is never written).
bool IsWritable(const RulesDocument& document, const FieldRef& ref);

// A typed, pasted or imported cell (UTF-8) read for its field: what it
// stores, a note when it was read otherwise than it stood (flags that got
// their leading zeros back), or why it is refused. A cell that holds what
// the field shows stores what the field holds. The messages are UTF-8
// sentences; every command that reads cells gives these same ones.
struct CellValue {
    std::string stored;  // Windows-1252
    std::string note;
    std::string problem;
};
CellValue ReadCell(const RulesDocument& document, const FieldRef& ref, std::string_view utf8);
// The same for a cell of another section (see ParseCellText).
CellValue ReadSectionCell(const RulesDocument& document, const CellRef& ref, std::string_view utf8);

}  // namespace rules
