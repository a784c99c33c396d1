#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include "rules/document/field_values.h"
#include "rules/edits/delimited_text.h"
#include "rules/edits/edit_plan.h"

namespace rules {

class RulesDocument;

// Cells (UTF-8, as on the clipboard) put onto the Table from one corner:
// row r of `rows` goes to record `records[r]`, cell c to the Table column
// `columns[c]` of `section` (see TableColumns). Every cell is read as a
// typed one (ReadCell); the first refused cell, or cells beyond the records
// or columns given, refuse the whole paste. Cells falling on a computed
// column are left out, so a row copied whole can be pasted back. A cell
// holding what the field shows makes no edit.
EditPlan PlanPaste(const RulesDocument& document, SectionId section, const std::vector<int>& records,
                   const std::vector<int>& columns, const CellRows& rows);

// One value (UTF-8) put into each of several cells, given as (record,
// Table column) pairs; each reads it for its own field. All or nothing.
EditPlan PlanFill(const RulesDocument& document, SectionId section,
                  const std::vector<std::pair<int, int>>& cells, std::string_view value);

// The numeric fields among `refs` adjusted (rounded, kept within their
// range); other fields are left out. Only fields that change make an edit.
EditPlan PlanAdjust(const RulesDocument& document, const std::vector<FieldRef>& refs,
                    AdjustMode mode, double amount);

}  // namespace rules
