#include "rules/edits/csv_exchange.h"

#include <algorithm>
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

// Whether `back` is `shown` as a spreadsheet gives a number back: the same
// whole number, written without (some of) its leading zeros ("060" as "60",
// "00" as "0"). Such a cell was not changed by the user, whatever its column.
bool LostLeadingZeros(std::string_view shown, std::string_view back) {
    const auto digits = [](std::string_view text) {
        if (!text.empty() && text.front() == '-') text.remove_prefix(1);
        if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos)
            return std::string_view();
        return text.substr(std::min(text.find_first_not_of('0'), text.size() - 1));
    };
    const std::string_view a = digits(shown);
    return back.size() < shown.size() && !a.empty() && a == digits(back) &&
           (shown.front() == '-') == (back.front() == '-');
}

// The cells given back their leading zeros, column by column in the order
// first met: "flags of Ember Guard, cost of Sky Anchor", or "flags of 54
// units" when the rows are too many to name.
class RestoredZeros {
  public:
    void Add(int column, int row) {
        ++count_;
        auto found = std::find_if(columns_.begin(), columns_.end(),
                                  [column](const Column& c) { return c.column == column; });
        if (found == columns_.end()) found = columns_.insert(columns_.end(), {column, {}});
        found->rows.push_back(row);
    }

    std::optional<std::string> Note(const CellGrid& grid) const {
        if (count_ == 0) return std::nullopt;
        std::string text = Counted(count_, "cell") +
                           (count_ == 1 ? " had lost leading zeros and was restored: "
                                        : " had lost leading zeros and were restored: ");
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const std::vector<int>& rows = columns_[c].rows;
            text += (c > 0 ? ", " : "") + grid.Label(columns_[c].column) + " of ";
            if (rows.size() > kMostNamed) {
                text += Counted(static_cast<int>(rows.size()), grid.RowNoun());
                continue;
            }
            for (std::size_t r = 0; r < rows.size(); ++r)
                text += (r == 0 ? "" : r + 1 == rows.size() ? " and " : ", ") + grid.RowName(rows[r]);
        }
        return text + ".";
    }

  private:
    static constexpr std::size_t kMostNamed = 3;
    struct Column {
        int column;
        std::vector<int> rows;
    };
    std::vector<Column> columns_;
    int count_ = 0;
};

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
    RestoredZeros restored;

    for (std::size_t r = first + 1; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        if (IsBlank(row)) continue;
        const std::string nameCell = header.nameColumn < row.size() ? row[header.nameColumn] : std::string();
        if (nameCell.empty()) return RefusedPlan(RowLabel(r) + ": it has no name.");
        auto found = byName.find(nameCell);
        if (found == byName.end()) {
            // A name that looks like a number comes back without its zeros too.
            found = std::find_if(byName.begin(), byName.end(),
                                 [&](const auto& named) { return LostLeadingZeros(named.first, nameCell); });
            if (found == byName.end())
                return RefusedPlan(RowLabel(r) + ": there is no record named \"" + nameCell + "\".");
        }
        const std::string& name = found->first;
        const std::size_t occurrence = seen[found->first]++;
        if (occurrence >= found->second.size())
            return RefusedPlan(RowLabel(r) + ": \"" + nameCell + "\" comes more often than the table has it (" +
                               Counted(static_cast<int>(found->second.size()), "time") + ").");
        const int record = found->second[occurrence];
        if (name != nameCell) restored.Add(0, record);
        const std::string rowName = RowLabel(r) + " (" + name + "), column ";

        for (std::size_t c = 0; c < row.size(); ++c) {
            const int column = c < header.columns.size() ? header.columns[c] : -1;
            if (column < 0) {
                if (row[c].empty()) continue;
                return RefusedPlan(rowName + ColumnLetters(c) + ": a value under no heading.");
            }
            if (!grid.HoldsValues(column) || c == header.nameColumn) continue;
            const std::string before = grid.Shown(record, column);
            if (row[c] == before) continue;
            if (LostLeadingZeros(before, row[c])) {
                restored.Add(column, record);
                continue;
            }
            const std::string heading = grid.Heading(column);
            const std::string where = rowName + ColumnLetters(c) + " (" + heading + ")";
            CellValue cell = grid.Read(record, column, row[c]);
            if (!cell.problem.empty()) return RefusedPlan(where + ": " + cell.problem);
            if (grid.Holds(record, column, cell.stored)) continue;
            if (!cell.note.empty()) plan.notes.push_back(where + ": " + cell.note);
            plan.differences.push_back(name + ", " + heading + ": " + before + " \u2192 " +
                                       (cell.note.empty() ? row[c] : Cp1252ToUtf8(cell.stored)));
            grid.AddEdit(plan, record, column, std::move(cell.stored));
        }
    }
    if (std::optional<std::string> note = restored.Note(grid)) plan.notes.push_back(std::move(*note));
    if (file.readAsWindows1252)
        plan.notes.insert(plan.notes.begin(),
                          "The file is not UTF-8: it was read as Windows-1252, as spreadsheets on Windows write it.");
    return plan;
}

EditPlan PlanCsvImport(const RulesDocument& document, SectionId section, std::string_view bytes) {
    return PlanCsvImport(RecordGrid(document, section), bytes);
}

}  // namespace rules
