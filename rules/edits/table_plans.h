#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "rules/document/field_values.h"
#include "rules/edits/cell_grid.h"
#include "rules/edits/delimited_text.h"
#include "rules/edits/edit_plan.h"

namespace rules {

class RulesDocument;

// Cells (UTF-8, as on the clipboard) put onto a table from one corner:
// row r of `rows` goes to row `records[r]`, cell c to column `columns[c]`.
// Every cell is read as a typed one (CellGrid::Read); the first refused
// cell, or cells beyond the rows or columns given, refuse the whole paste.
// Cells falling on a computed column are left out, so a row copied whole
// can be pasted back. A cell holding what the field shows makes no edit.
EditPlan PlanPaste(const CellGrid& grid, const std::vector<int>& records,
                   const std::vector<int>& columns, const CellRows& rows);
// The same on a designed section's Table columns (see TableColumns).
EditPlan PlanPaste(const RulesDocument& document, SectionId section, const std::vector<int>& records,
                   const std::vector<int>& columns, const CellRows& rows);

// One value (UTF-8) put into each of several cells, given as (row, column)
// pairs; each reads it for its own place. All or nothing.
EditPlan PlanFill(const CellGrid& grid, const std::vector<std::pair<int, int>>& cells,
                  std::string_view value);
EditPlan PlanFill(const RulesDocument& document, SectionId section,
                  const std::vector<std::pair<int, int>>& cells, std::string_view value);

// The numeric fields among `refs` adjusted (rounded, kept within their
// range); other fields are left out. Only fields that change make an edit.
EditPlan PlanAdjust(const RulesDocument& document, const std::vector<FieldRef>& refs,
                    AdjustMode mode, double amount);
// The same for cells of other sections: those of columns whose every value
// is a whole number, with no range but that of any field.
EditPlan PlanAdjust(const RulesDocument& document, const std::vector<CellRef>& refs,
                    AdjustMode mode, double amount);

}  // namespace rules
