#include "rules/edits/table_plans.h"

#include "rules/document/rules_document.h"
#include "rules/document/text_routines.h"
#include "rules/edits/table_cells.h"
#include "rules/sections/section_cells.h"

namespace rules {

namespace {

// Reads `text` into the cell of `row` in column `column` and adds its edit
// to `plan`; false (the plan refused) when the cell refuses it.
bool PlanCell(const CellGrid& grid, int row, int column, std::string_view text, EditPlan& plan) {
    if (!grid.HoldsValues(column)) return true;
    CellValue cell = grid.Read(row, column, text);
    const auto where = [&] { return grid.RowName(row) + ", " + grid.Heading(column) + ": "; };
    if (!cell.problem.empty()) {
        plan = RefusedPlan(where() + cell.problem);
        return false;
    }
    if (!cell.note.empty()) plan.notes.push_back(where() + cell.note);
    if (!grid.Holds(row, column, cell.stored)) grid.AddEdit(plan, row, column, std::move(cell.stored));
    return true;
}

bool IsColumn(const CellGrid& grid, int column) { return column >= 0 && column < grid.Columns(); }

// Any field's range: no cell of another section has a range of its own.
constexpr ValueRange kAnyNumber{-1'000'000'000, 1'000'000'000};

}  // namespace

EditPlan PlanPaste(const CellGrid& grid, const std::vector<int>& records, const std::vector<int>& columns,
                   const CellRows& rows) {
    EditPlan plan;
    if (rows.size() > records.size())
        return RefusedPlan("The pasted cells reach beyond the last row shown: " +
                           Counted(static_cast<int>(records.size()), "row") + " from here, " +
                           std::to_string(rows.size()) + " pasted.");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].size() > columns.size())
            return RefusedPlan("The pasted cells reach beyond the last column.");
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (!IsColumn(grid, columns[c])) return RefusedPlan("There is no such column.");
            if (!PlanCell(grid, records[r], columns[c], rows[r][c], plan)) return plan;
        }
    }
    return plan;
}

EditPlan PlanPaste(const RulesDocument& document, SectionId section, const std::vector<int>& records,
                   const std::vector<int>& columns, const CellRows& rows) {
    return PlanPaste(RecordGrid(document, section), records, columns, rows);
}

EditPlan PlanFill(const CellGrid& grid, const std::vector<std::pair<int, int>>& cells,
                  std::string_view value) {
    EditPlan plan;
    for (const auto& [row, column] : cells) {
        if (!IsColumn(grid, column)) return RefusedPlan("There is no such column.");
        if (!PlanCell(grid, row, column, value, plan)) return plan;
    }
    return plan;
}

EditPlan PlanFill(const RulesDocument& document, SectionId section,
                  const std::vector<std::pair<int, int>>& cells, std::string_view value) {
    return PlanFill(RecordGrid(document, section), cells, value);
}

EditPlan PlanAdjust(const RulesDocument& document, const std::vector<FieldRef>& refs,
                    AdjustMode mode, double amount) {
    EditPlan plan;
    for (const FieldRef& ref : refs) {
        if (!IsWritable(document, ref) || KindOf(ref.section, ref.field) != FieldKind::Number) continue;
        const ValueRange range = InfoOf(ref).range;
        const std::string& text = FieldText(document, ref);
        const std::optional<long> value = PlainWholeNumber(text, range.minimum < 0);
        // A field that holds no number has nothing to add to or multiply.
        if (!value && mode != AdjustMode::SetTo) continue;
        std::string result = std::to_string(AdjustNumber(value.value_or(0), mode, amount, range));
        if (result != text) plan.edits.push_back({ref, std::move(result)});
    }
    return plan;
}

EditPlan PlanAdjust(const RulesDocument& document, const std::vector<CellRef>& refs,
                    AdjustMode mode, double amount) {
    EditPlan plan;
    for (const CellRef& ref : refs) {
        if (!IsValidCell(document, ref)) continue;
        const SectionTable& section = document.Others().At(ref.section);
        if (ref.column == section.CommentColumn() || !section.WholeNumberColumn(ref.column)) continue;
        const std::string& text = CellText(document, ref);
        const std::optional<long> value = PlainWholeNumber(text, true);
        if (!value) continue;
        std::string result = std::to_string(AdjustNumber(*value, mode, amount, kAnyNumber));
        if (result != text) plan.cells.push_back({ref, std::move(result)});
    }
    return plan;
}

}  // namespace rules
