#pragma once

// Changing the cells of a row by name, as a script does (`ovantra-rules set`
// on a section such as TERRAIN): the row named as the Table page shows it,
// cells by their column headings, values read as a typed cell is read.
// Texts here are UTF-8, as the command line holds them.

#include <span>
#include <string_view>

#include "rules/edits/cell_grid.h"
#include "rules/edits/field_assignment.h"

namespace rules {

// The row `name` names: its name as the Table page shows it, or "#N" for
// the N-th row. The spelling wins over letter case; a name two rows share
// is refused with their numbers.
RecordLookup FindRow(const CellGrid& grid, std::string_view name);

// The cells the assignments set in one row, all or nothing: an unknown
// column or a refused value refuses the whole plan, naming them. A column
// is named by its heading (letter case ignored, "-" and "_" for spaces) or
// as "Column N".
EditPlan PlanAssignments(const CellGrid& grid, int row, std::span<const Assignment> assignments);

}  // namespace rules
