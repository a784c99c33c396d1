#include "rules/edits/cell_assignment.h"

#include <algorithm>
#include <string>

#include "rules/document/cp1252.h"

namespace rules {

namespace {

std::string Headings(const CellGrid& grid) {
    std::string text;
    for (int column = 0; column < grid.Columns(); ++column) {
        if (!grid.HoldsValues(column)) continue;
        if (!text.empty()) text += ", ";
        text += grid.Heading(column);
    }
    return text;
}

int ColumnNamed(const CellGrid& grid, std::string_view name) {
    if (const int column = grid.ColumnOfHeading(name); column >= 0) return column;
    std::string spaced(name);
    std::replace_if(
        spaced.begin(), spaced.end(), [](char c) { return c == '-' || c == '_'; }, ' ');
    return grid.ColumnOfHeading(spaced);
}

bool SameName(std::string_view a, std::string_view b) {
    const std::optional<std::string> x = Utf8ToCp1252(a), y = Utf8ToCp1252(b);
    return x && y && SameFoldingCase(*x, *y);
}

}  // namespace

RecordLookup FindRow(const CellGrid& grid, std::string_view name) {
    return FindNamed(
        grid.Rows(), name, "row", "row", [&](int row) { return grid.RowName(row); }, SameName);
}

EditPlan PlanAssignments(const CellGrid& grid, int row, std::span<const Assignment> assignments) {
    EditPlan plan;
    for (const Assignment& assignment : assignments) {
        const int column = ColumnNamed(grid, assignment.field);
        if (column < 0 || !grid.HoldsValues(column))
            return RefusedPlan("There is no column \"" + assignment.field + "\"; the columns are " +
                               Headings(grid) + ".");
        const CellValue value = grid.Read(row, column, assignment.value);
        if (!value.problem.empty())
            return RefusedPlan(grid.Heading(column) + " of \"" + grid.RowName(row) +
                               "\" cannot be \"" + assignment.value + "\": " + value.problem);
        if (!value.note.empty()) plan.notes.push_back(value.note);
        if (!grid.Holds(row, column, value.stored)) grid.AddEdit(plan, row, column, value.stored);
    }
    return plan;
}

}  // namespace rules
