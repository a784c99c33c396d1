#include "rules/edits/cell_assignment.h"

#include <algorithm>
#include <string>
#include <vector>

#include "rules/document/cp1252.h"
#include "rules/document/field_values.h"

namespace rules {

namespace {

std::string Numbers(const std::vector<int>& rows) {
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) text += i + 1 == rows.size() ? " and " : ", ";
        text += "#" + std::to_string(rows[i]);
    }
    return text;
}

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
    const int count = grid.Rows();
    if (name.size() > 1 && name.front() == '#') {
        const std::optional<long> number = PlainWholeNumber(name.substr(1), false);
        if (number && *number >= 1 && *number <= count) return {static_cast<int>(*number), {}};
        return {0, "There is no row " + std::string(name) + ": the section holds " +
                       std::to_string(count) + "."};
    }
    std::vector<int> exact, folded;
    for (int row = 1; row <= count; ++row) {
        const std::string shown = grid.RowName(row);
        if (shown == name)
            exact.push_back(row);
        else if (SameName(shown, name))
            folded.push_back(row);
    }
    const std::vector<int>& found = exact.empty() ? folded : exact;
    if (found.size() == 1) return {found.front(), {}};
    const std::string what = "row \"" + std::string(name) + "\"";
    if (found.empty()) return {0, "There is no " + what + "."};
    return {0, "The " + what + " is not one row but " + std::to_string(found.size()) + ": " +
                   Numbers(found) + "; name one by its number."};
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
