#include "rules/edits/table_plans.h"

#include "rules/document/cp1252.h"
#include "rules/document/rules_document.h"
#include "rules/document/text_routines.h"
#include "rules/edits/table_cells.h"

namespace rules {

namespace {

// Reads `text` into the cell of `record` in Table column `column` and adds
// its edit to `plan`; false (the plan refused) when the cell refuses it.
bool PlanCell(const RulesDocument& document, SectionId section, int record, int column,
              std::string_view text, EditPlan& plan) {
    const TableColumn& shown = TableColumns(section)[static_cast<std::size_t>(column)];
    if (shown.field < 0) return true;
    const FieldRef ref{section, record, shown.field};
    CellValue cell = ReadCell(document, ref, text);
    if (!cell.problem.empty()) {
        plan = RefusedPlan(Cp1252ToUtf8(RecordName(document, section, record)) + ", " +
                           std::string(shown.heading) + ": " + cell.problem);
        return false;
    }
    if (!cell.note.empty())
        plan.notes.push_back(Cp1252ToUtf8(RecordName(document, section, record)) + ", " +
                             std::string(shown.heading) + ": " + cell.note);
    if (cell.stored != FieldText(document, ref)) plan.edits.push_back({ref, std::move(cell.stored)});
    return true;
}

bool IsColumn(SectionId section, int column) {
    return column >= 0 && static_cast<std::size_t>(column) < TableColumns(section).size();
}

}  // namespace

EditPlan PlanPaste(const RulesDocument& document, SectionId section, const std::vector<int>& records,
                   const std::vector<int>& columns, const CellRows& rows) {
    EditPlan plan;
    if (rows.size() > records.size())
        return RefusedPlan("The pasted cells reach beyond the last row shown: " +
                           Counted(static_cast<int>(records.size()), "row") + " from here, " +
                           std::to_string(rows.size()) + " pasted.");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].size() > columns.size())
            return RefusedPlan("The pasted cells reach beyond the last column.");
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (!IsColumn(section, columns[c])) return RefusedPlan("There is no such column.");
            if (!PlanCell(document, section, records[r], columns[c], rows[r][c], plan)) return plan;
        }
    }
    return plan;
}

EditPlan PlanFill(const RulesDocument& document, SectionId section,
                  const std::vector<std::pair<int, int>>& cells, std::string_view value) {
    EditPlan plan;
    for (const auto& [record, column] : cells) {
        if (!IsColumn(section, column)) return RefusedPlan("There is no such column.");
        if (!PlanCell(document, section, record, column, value, plan)) return plan;
    }
    return plan;
}

EditPlan PlanAdjust(const RulesDocument& document, const std::vector<FieldRef>& refs,
                    AdjustMode mode, double amount) {
    EditPlan plan;
    for (const FieldRef& ref : refs) {
        if (!IsWritable(document, ref) || KindOf(ref.section, ref.field) != FieldKind::Number) continue;
        const ValueRange range = RangeOf(ref.section, ref.field);
        const std::string& text = FieldText(document, ref);
        const std::optional<long> value = PlainWholeNumber(text, range.minimum < 0);
        // A field that holds no number has nothing to add to or multiply.
        if (!value && mode != AdjustMode::SetTo) continue;
        std::string result = std::to_string(AdjustNumber(value.value_or(0), mode, amount, range));
        if (result != text) plan.edits.push_back({ref, std::move(result)});
    }
    return plan;
}

}  // namespace rules
