#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rules {

// Rows of cells, as the clipboard and CSV files hold them.
using CellRows = std::vector<std::vector<std::string>>;

// Splits text into rows by line breaks (CR LF, LF or CR) and into cells by
// `separator`. A cell that starts with a double quote runs to the closing
// one and may hold separators, line breaks and doubled quotes; a quote
// anywhere else is plain text. A final line break ends the last row, it
// starts none. False when a quote is left open. Works on UTF-8 and on
// Windows-1252 alike: every byte it looks for is ASCII.
bool SplitDelimited(std::string_view text, char separator, CellRows& rows);

// Cells as a spreadsheet puts them on the clipboard: tab-separated; an open
// quote is no quoting at all, the text is taken as it stands.
CellRows ParseTabText(std::string_view text);
// The rows as tab-separated lines, each ended by a line break.
std::string TabText(const CellRows& rows);

// One CSV line (RFC 4180), ended by CR LF: cells that hold a comma, a quote
// or a line break in double quotes.
std::string CsvLine(const std::vector<std::string>& cells);

}  // namespace rules
