// The structure of the sections the editor has no form for: what a text
// editor would let slip and the game would likely misread.

#include <map>

#include "rules/check/check_context.h"
#include "rules/document/cp1252.h"
#include "rules/document/text_routines.h"
#include "rules/sections/section_cells.h"

namespace rules::check_detail {

namespace {

std::string Utf8Label(const SectionTable& section, int row) { return Cp1252ToUtf8(RowLabel(section, row)); }

// Rows whose count of values differs from that of most rows: a comma too
// many or too few shifts every later value into the wrong column.
void CheckColumnCounts(CheckContext& context, const SectionTable& section, int s) {
    std::map<std::size_t, int> rows;
    for (int row = 1; row <= section.RowCount(); ++row) ++rows[section.Row(row).values.size()];
    const auto usual = static_cast<std::size_t>(section.UsualValueCount());
    // Only where one count holds most rows is the other count the odd one.
    if (rows[usual] * 2 <= section.RowCount()) return;
    for (int row = 1; row <= section.RowCount(); ++row) {
        const std::size_t values = section.Row(row).values.size();
        if (values == usual) continue;
        Problem& problem =
            context.Add(Severity::Warning, "column-count", SectionId::Advances, 0, section.LineOf(row),
                        Utf8Label(section, row) + " has " + Counted(static_cast<int>(values), "value") +
                            " where most rows of @" + Cp1252ToUtf8(section.Name()) + " have " +
                            std::to_string(usual) + ".");
        problem.cell = {s, row, static_cast<int>(std::min(values, usual))};
    }
}

// A value that is no whole number in a column whose other values all are
// (at least two of them): a slip of the keyboard, most likely.
void CheckNumbers(CheckContext& context, const SectionTable& section, int s) {
    for (int column = 0; column < section.ValueColumns(); ++column) {
        int numbers = 0;
        int odd = 0;
        for (int row = 1; row <= section.RowCount(); ++row) {
            if (!section.HasCell(row, column)) continue;
            if (PlainNumber(section.Cell(row, column), true))
                ++numbers;
            else if (odd == 0)
                odd = row;
            else
                odd = -1;
        }
        if (odd <= 0 || numbers < 2) continue;
        const std::string& text = section.Cell(odd, column);
        const std::string subject = Utf8Label(section, odd) + ": " + Cp1252ToUtf8(ColumnLabel(section, column));
        Problem& problem = context.Add(
            Severity::Warning, "not-a-number", SectionId::Advances, 0, section.LineOf(odd),
            (text.empty() ? subject + " is empty" : subject + " " + Quoted(text) + " is not a whole number") +
                ", while every other value of the column is one.");
        problem.cell = {s, odd, column};
    }
}

}  // namespace

void CheckOtherSection(CheckContext& context, int s) {
    const SectionTable& section = context.document.Others().At(s);
    CheckColumnCounts(context, section, s);
    CheckNumbers(context, section, s);
}

}  // namespace rules::check_detail
