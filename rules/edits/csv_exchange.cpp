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

// How the import reads the file's columns: each to a table column, or none
// (no heading, or beyond the header's last one).
struct Header {
    std::vector<int> columns;  // per file column; -1 when ignored
    std::size_t nameColumn = 0;
};

std::optional<std::string> ReadHeader(const CellGrid& grid, const std::vector<std::string>& cells,
                                      std::size_t row, Header& header) {
    std::optional<std::size_t> name;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const std::string heading = Trimmed(cells[c]);
        const std::string where = RowLabel(row) + ", column " + ColumnLetters(c);
        int column = -1;
        if (!heading.empty()) {
            column = grid.ColumnOfHeading(heading);
            if (column < 0) return where + ": the column \"" + heading + "\" is none of this table's.";
            for (int seen : header.columns)
                if (seen == column) return where + ": the column \"" + heading + "\" is there twice.";
            if (column == 0) name = c;
        }
        header.columns.push_back(column);
    }
    if (!name) return RowLabel(row) + ": there is no column \"" + grid.Heading(0) + "\".";
    header.nameColumn = *name;
    return std::nullopt;
}

}  // namespace

std::string CsvText(const CellGrid& grid) {
    std::vector<std::string> cells;
    for (int column = 0; column < grid.Columns(); ++column) cells.push_back(grid.Heading(column));
    std::string out = CsvLine(cells);
    for (int row = 1; row <= grid.Rows(); ++row) {
        cells.clear();
        for (int column = 0; column < grid.Columns(); ++column) cells.push_back(grid.Shown(row, column));
        out += CsvLine(cells);
    }
    return out;
}

std::string CsvText(const RulesDocument& document, SectionId section) {
    return CsvText(RecordGrid(document, section));
}

CsvFileText DecodeCsvFile(std::string_view bytes) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    if (IsValidUtf8(bytes)) return {std::string(bytes), false};
    return {Cp1252ToUtf8(bytes), true};
}

EditPlan PlanCsvImport(const CellGrid& grid, std::string_view bytes) {
    const CsvFileText file = DecodeCsvFile(bytes);
    CellRows rows;
    if (!SplitDelimited(file.utf8, ',', rows)) return RefusedPlan("A quoted cell is never closed.");
    std::size_t first = 0;
    while (first < rows.size() && IsBlank(rows[first])) ++first;
    if (first == rows.size()) return RefusedPlan("The file holds no header row.");
    Header header;
    if (auto problem = ReadHeader(grid, rows[first], first, header)) return RefusedPlan(*problem);

    std::map<std::string, std::vector<int>> byName;  // the rows of each shown name, in file order
    for (int row = 1; row <= grid.Rows(); ++row) byName[grid.Shown(row, 0)].push_back(row);
    std::map<std::string, std::size_t> seen;
    EditPlan plan;
    int zerosRestoredAlike = 0;

    for (std::size_t r = first + 1; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        if (IsBlank(row)) continue;
        const std::string nameCell = header.nameColumn < row.size() ? row[header.nameColumn] : std::string();
        if (nameCell.empty()) return RefusedPlan(RowLabel(r) + ": it has no name.");
        const auto found = byName.find(nameCell);
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
            if (!grid.HoldsValues(column) || c == header.nameColumn) continue;
            const std::string before = grid.Shown(record, column);
            if (row[c] == before) continue;
            const std::string heading = grid.Heading(column);
            const std::string where = rowName + ColumnLetters(c) + " (" + heading + ")";
            CellValue cell = grid.Read(record, column, row[c]);
            if (!cell.problem.empty()) return RefusedPlan(where + ": " + cell.problem);
            if (grid.Holds(record, column, cell.stored)) {
                zerosRestoredAlike += cell.note.empty() ? 0 : 1;
                continue;
            }
            if (!cell.note.empty()) plan.notes.push_back(where + ": " + cell.note);
            plan.differences.push_back(nameCell + ", " + heading + ": " + before + " \u2192 " +
                                       (cell.note.empty() ? row[c] : Cp1252ToUtf8(cell.stored)));
            grid.AddEdit(plan, record, column, std::move(cell.stored));
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

EditPlan PlanCsvImport(const RulesDocument& document, SectionId section, std::string_view bytes) {
    return PlanCsvImport(RecordGrid(document, section), bytes);
}

}  // namespace rules
