#include "rules/sections/section_cells.h"

#include "rules/document/rules_document.h"

namespace rules {

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

const SectionTable& SectionOf(const RulesDocument& document, const CellRef& ref) {
    return document.Others().At(ref.section);
}

}  // namespace

bool IsValidCell(const RulesDocument& document, const CellRef& ref) {
    return ref.section >= 0 && ref.section < document.Others().Count() &&
           SectionOf(document, ref).HasCell(ref.row, ref.column);
}

const std::string& CellText(const RulesDocument& document, const CellRef& ref) {
    return SectionOf(document, ref).Cell(ref.row, ref.column);
}

const std::string& SavedCellText(const RulesDocument& document, const CellRef& ref) {
    return SectionOf(document, ref).SavedCell(ref.row, ref.column);
}

void SetCellText(RulesDocument& document, const CellRef& ref, std::string text) {
    if (!IsValidCell(document, ref)) return;
    document.Others().At(ref.section).SetCell(ref.row, ref.column, std::move(text));
}

ParsedValue ParseCellText(const RulesDocument& document, const CellRef& ref, std::string_view text) {
    if (!IsValidCell(document, ref)) return {{}, "This row has no such cell."};
    const SectionTable& section = SectionOf(document, ref);
    const std::string_view value = Trimmed(text);
    if (ref.column == section.CommentColumn()) {
        if (value.find_first_of("\r\n") != std::string_view::npos)
            return {{}, "A comment cannot hold a line break."};
        return {std::string(value), {}};
    }
    if (value.find_first_of(",;\r\n") != std::string_view::npos)
        return {{}, "A value cannot hold \",\", \";\" or a line break: they would split it."};
    if (ref.column == 0 && !value.empty() && value.front() == '@')
        return {{}, "A row's first value cannot begin with \"@\": the line would head a section."};
    if (ref.column == 0 && value.empty() && section.Row(ref.row).values.size() == 1)
        return {{}, "The only value of a row cannot be empty: the line would be no row any more."};
    return {std::string(value), {}};
}

const std::string& RowName(const SectionTable& section, int row) { return section.Cell(row, 0); }

std::string RowLabel(std::string_view section, std::string_view firstValue, int row) {
    std::string label = "Row ";
    if (firstValue.empty()) {
        label += std::to_string(row);
    } else {
        label += '"';
        label += firstValue;
        label += '"';
    }
    label += " of ";
    label += section;
    return label;
}

std::string RowLabel(const SectionTable& section, int row) {
    return RowLabel(section.Name(), RowName(section, row), row);
}

std::string ColumnLabel(const SectionTable& section, int column) {
    return "column \"" + section.Headings().at(static_cast<std::size_t>(column)) + "\"";
}

}  // namespace rules
