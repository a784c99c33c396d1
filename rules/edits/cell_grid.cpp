#include "rules/edits/cell_grid.h"

#include "rules/document/cp1252.h"
#include "rules/document/field_table.h"
#include "rules/document/rules_document.h"
#include "rules/edits/field_assignment.h"
#include "rules/edits/table_cells.h"
#include "rules/sections/section_cells.h"

namespace rules {

RecordGrid::RecordGrid(const RulesDocument& document, SectionId section)
    : document_(document), section_(section) {}

int RecordGrid::Rows() const { return RecordCount(document_, section_); }

int RecordGrid::Columns() const { return static_cast<int>(TableColumns(section_).size()); }

std::string RecordGrid::Heading(int column) const {
    return std::string(TableColumns(section_).at(static_cast<std::size_t>(column)).heading);
}

std::string RecordGrid::Label(int column) const {
    const int field = TableColumns(section_).at(static_cast<std::size_t>(column)).field;
    return std::string(field >= 0 ? InfoOf(section_, field).label : Heading(column));
}

std::string RecordGrid::RowNoun() const { return SectionWord(section_); }

int RecordGrid::ColumnOfHeading(std::string_view heading) const {
    return rules::ColumnOfHeading(section_, heading);
}

bool RecordGrid::HoldsValues(int column) const {
    return TableColumns(section_).at(static_cast<std::size_t>(column)).field >= 0;
}

std::string RecordGrid::Shown(int row, int column) const {
    if (!figures_) figures_ = RecordFigures::Compute(document_.Advances(), document_.Units());
    return Cp1252ToUtf8(TableCellText(document_, *figures_, section_, column, row));
}

std::string RecordGrid::RowName(int row) const {
    return Cp1252ToUtf8(RecordName(document_, section_, row));
}

FieldRef RecordGrid::Ref(int row, int column) const {
    return {section_, row, TableColumns(section_).at(static_cast<std::size_t>(column)).field};
}

CellValue RecordGrid::Read(int row, int column, std::string_view utf8) const {
    return ReadCell(document_, Ref(row, column), utf8);
}

bool RecordGrid::Holds(int row, int column, std::string_view stored) const {
    return FieldText(document_, Ref(row, column)) == stored;
}

void RecordGrid::AddEdit(EditPlan& plan, int row, int column, std::string stored) const {
    plan.edits.push_back({Ref(row, column), std::move(stored)});
}

SectionGrid::SectionGrid(const RulesDocument& document, int section)
    : document_(document), section_(section) {}

int SectionGrid::Rows() const { return document_.Others().At(section_).RowCount(); }

int SectionGrid::Columns() const { return document_.Others().At(section_).ColumnCount(); }

std::string SectionGrid::Heading(int column) const {
    return Cp1252ToUtf8(document_.Others().At(section_).Headings().at(static_cast<std::size_t>(column)));
}

std::string SectionGrid::Label(int column) const {
    // The file's comment names the column as a heading: "Cost" reads "cost"
    // in a sentence, but "AI" stays as it is.
    std::string label = Heading(column);
    const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (!label.empty() && capital(label[0]) && (label.size() == 1 || !capital(label[1])))
        label[0] = static_cast<char>(label[0] - 'A' + 'a');
    return label;
}

int SectionGrid::ColumnOfHeading(std::string_view heading) const {
    // The headings are the file's Windows-1252 text: compared so, accented
    // capitals fold too.
    const std::optional<std::string> wanted = Utf8ToCp1252(heading);
    if (!wanted) return -1;
    const std::vector<std::string>& headings = document_.Others().At(section_).Headings();
    for (int column = 0; column < Columns(); ++column) {
        // "Column 3" names the third column whatever the comment calls it.
        if (SameFoldingCase(headings.at(static_cast<std::size_t>(column)), *wanted) ||
            SameFoldingCase("Column " + std::to_string(column + 1), *wanted))
            return column;
    }
    return -1;
}

std::string SectionGrid::Shown(int row, int column) const {
    return Cp1252ToUtf8(document_.Others().At(section_).Cell(row, column));
}

std::string SectionGrid::RowName(int row) const {
    const SectionTable& section = document_.Others().At(section_);
    const std::string& name = rules::RowName(section, row);
    return name.empty() ? "Row " + std::to_string(row) : Cp1252ToUtf8(name);
}

CellValue SectionGrid::Read(int row, int column, std::string_view utf8) const {
    return ReadSectionCell(document_, {section_, row, column}, utf8);
}

bool SectionGrid::Holds(int row, int column, std::string_view stored) const {
    return document_.Others().At(section_).Cell(row, column) == stored;
}

void SectionGrid::AddEdit(EditPlan& plan, int row, int column, std::string stored) const {
    plan.cells.push_back({{section_, row, column}, std::move(stored)});
}

std::unique_ptr<CellGrid> GridNamed(const RulesDocument& document, std::string_view word) {
    if (const std::optional<SectionId> section = SectionNamed(word))
        return std::make_unique<RecordGrid>(document, *section);
    const int other = document.Others().Find(word);
    if (other < 0) return nullptr;
    return std::make_unique<SectionGrid>(document, other);
}

}  // namespace rules
