#include "rules/edits/csv_exchange.h"

#include <map>
#include <optional>
#include <vector>

#include "rules/document/cp1252.h"
#include "rules/document/rules_document.h"
#include "rules/document/text_routines.h"
#include "rules/edits/delimited_text.h"
#include "rules/edits/table_cells.h"

namespace rules {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A column as a spreadsheet names it: A .. Z, AA, AB, ...
std::string ColumnLetters(std::size_t index) {
    std::string letters;
    for (std::size_t n = index + 1; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsBlank(const std::vector<std::string>& row) {
    for (const std::string& cell : row)
        if (!cell.empty()) return false;
    return true;
}

std::string RowLabel(std::size_t row) { return "Row " + std::to_string(row + 1); }

// How the import reads the file's columns: each to a Table column, or none
// (no heading, or beyond the header's last one).
struct Header {
    std::vector<int> columns;  // per file column; -1 when ignored
    std::size_t nameColumn = 0;
};

std::optional<std::string> ReadHeader(SectionId section, const std::vector<std::string>& cells,
                                      std::size_t row, Header& header) {
    std::optional<std::size_t> name;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const std::string heading = Trimmed(cells[c]);
        const std::string where = RowLabel(row) + ", column " + ColumnLetters(c);
        int column = -1;
        if (!heading.empty()) {
            column = ColumnOfHeading(section, heading);
            if (column < 0) return where + ": the column \"" + heading + "\" is none of this table's.";
            for (int seen : header.columns)
                if (seen == column) return where + ": the column \"" + heading + "\" is there twice.";
            if (column == 0) name = c;
        }
        header.columns.push_back(column);
    }
    if (!name) return RowLabel(row) + ": there is no column \"" + std::string(TableColumns(section)[0].heading) + "\".";
    header.nameColumn = *name;
    return std::nullopt;
}

}  // namespace

std::string CsvText(const RulesDocument& document, SectionId section) {
    const std::vector<TableColumn>& columns = TableColumns(section);
    std::vector<std::string> cells;
    for (const TableColumn& column : columns) cells.emplace_back(column.heading);
    std::string out = CsvLine(cells);
    const RecordFigures figures = RecordFigures::Compute(document.Advances(), document.Units());
    const int records = RecordCount(document, section);
    for (int record = 1; record <= records; ++record) {
        cells.clear();
        for (std::size_t c = 0; c < columns.size(); ++c)
            cells.push_back(Cp1252ToUtf8(TableCellText(document, figures, section, static_cast<int>(c), record)));
        out += CsvLine(cells);
    }
    return out;
}

CsvFileText DecodeCsvFile(std::string_view bytes) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    if (IsValidUtf8(bytes)) return {std::string(bytes), false};
    return {Cp1252ToUtf8(bytes), true};
}

EditPlan PlanCsvImport(const RulesDocument& document, SectionId section, std::string_view bytes) {
    const CsvFileText file = DecodeCsvFile(bytes);
    CellRows rows;
    if (!SplitDelimited(file.utf8, ',', rows)) return RefusedPlan("A quoted cell is never closed.");
    std::size_t first = 0;
    while (first < rows.size() && IsBlank(rows[first])) ++first;
    if (first == rows.size()) return RefusedPlan("The file holds no header row.");
    Header header;
    if (auto problem = ReadHeader(section, rows[first], first, header)) return RefusedPlan(*problem);

    const RecordFigures figures = RecordFigures::Compute(document.Advances(), document.Units());
    std::map<std::string, std::vector<int>> byName;  // the records of each shown name, in file order
    for (int record = 1; record <= RecordCount(document, section); ++record)
        byName[TableCellText(document, figures, section, 0, record)].push_back(record);
    std::map<std::string, std::size_t> seen;
    EditPlan plan;
    int zerosRestoredAlike = 0;

    for (std::size_t r = first + 1; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        if (IsBlank(row)) continue;
        const std::string nameCell = header.nameColumn < row.size() ? row[header.nameColumn] : std::string();
        if (nameCell.empty()) return RefusedPlan(RowLabel(r) + ": it has no name.");
        const auto found = byName.find(Utf8ToCp1252(nameCell).value_or(std::string()));
        if (found == byName.end())
            return RefusedPlan(RowLabel(r) + ": there is no record named \"" + nameCell + "\".");
        const std::size_t occurrence = seen[found->first]++;
        if (occurrence >= found->second.size())
            return RefusedPlan(RowLabel(r) + ": \"" + nameCell + "\" comes more often than the table has it (" +
                               Counted(static_cast<int>(found->second.size()), "time") + ").");
        const int record = found->second[occurrence];
        const std::string rowName = RowLabel(r) + " (" + nameCell + "), column ";

        for (std::size_t c = 0; c < row.size(); ++c) {
            const int column = c < header.columns.size() ? header.columns[c] : -1;
            if (column < 0) {
                if (row[c].empty()) continue;
                return RefusedPlan(rowName + ColumnLetters(c) + ": a value under no heading.");
            }
            const TableColumn& shown = TableColumns(section)[static_cast<std::size_t>(column)];
            if (shown.field < 0 || c == header.nameColumn) continue;
            const std::string before = Cp1252ToUtf8(TableCellText(document, figures, section, column, record));
            if (row[c] == before) continue;
            const std::string where = rowName + ColumnLetters(c) + " (" + std::string(shown.heading) + ")";
            const FieldRef ref{section, record, shown.field};
            CellValue cell = ReadCell(document, ref, row[c]);
            if (!cell.problem.empty()) return RefusedPlan(where + ": " + cell.problem);
            if (cell.stored == FieldText(document, ref)) {
                zerosRestoredAlike += cell.note.empty() ? 0 : 1;
                continue;
            }
            if (!cell.note.empty()) plan.notes.push_back(where + ": " + cell.note);
            plan.differences.push_back(nameCell + ", " + std::string(shown.heading) + ": " + before + " \u2192 " +
                                       (cell.note.empty() ? row[c] : Cp1252ToUtf8(cell.stored)));
            plan.edits.push_back({ref, std::move(cell.stored)});
        }
    }
    if (zerosRestoredAlike > 0)
        plan.notes.push_back(Counted(zerosRestoredAlike, "more flags cell") +
                             " had lost leading zeros; with them put back they hold what the table holds.");
    if (file.readAsWindows1252)
        plan.notes.insert(plan.notes.begin(),
                          "The file is not UTF-8: it was read as Windows-1252, as spreadsheets on Windows write it.");
    return plan;
}

}  // namespace rules
