#include "rules/edits/delimited_text.h"

namespace rules {

namespace {

std::string Quoted(const std::string& cell, char separator) {
    if (cell.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string::npos) return cell;
    std::string out = "\"";
    for (char c : cell) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string Joined(const std::vector<std::string>& cells, char separator) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) line += separator;
        line += Quoted(cells[c], separator);
    }
    return line;
}

}  // namespace

bool SplitDelimited(std::string_view text, char separator, CellRows& rows) {
    std::vector<std::string> row;
    std::string cell;
    bool quoted = false;
    bool cellStarted = false;
    const auto endCell = [&] {
        row.push_back(std::move(cell));
        cell.clear();
        cellStarted = false;
    };
    const auto endRow = [&] {
        endCell();
        rows.push_back(std::move(row));
        row.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                cell += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                cell += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"' && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == separator) {
            endCell();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRow();
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (quoted) return false;
    // Text after the last line break is a row; the break itself ends one.
    if (!row.empty() || !cell.empty() || cellStarted) endRow();
    return true;
}

CellRows ParseTabText(std::string_view text) {
    CellRows rows;
    if (SplitDelimited(text, '\t', rows)) return rows;
    rows.clear();
    std::string plain(text);
    if (!plain.empty() && plain.back() == '\n') plain.pop_back();
    if (!plain.empty() && plain.back() == '\r') plain.pop_back();
    std::vector<std::string> row(1);
    for (char c : plain) {
        if (c == '\n') {
            rows.push_back(std::move(row));
            row.assign(1, {});
        } else if (c == '\t') {
            row.emplace_back();
        } else if (c != '\r') {
            row.back() += c;
        }
    }
    rows.push_back(std::move(row));
    return rows;
}

std::string TabText(const CellRows& rows) {
    std::string out;
    for (const std::vector<std::string>& row : rows) out += Joined(row, '\t') + '\n';
    return out;
}

std::string CsvLine(const std::vector<std::string>& cells) { return Joined(cells, ',') + "\r\n"; }

}  // namespace rules
