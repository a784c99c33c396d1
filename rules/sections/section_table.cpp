#include "rules/sections/section_table.h"

#include <algorithm>
#include <map>

#include "rules/document/field_values.h"
#include "rules/document/text_routines.h"

namespace rules {

namespace {

const std::string kNoText;

std::string_view TrimmedView(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The words a comment line lists as headings: after a label ending in ":",
// up to a further ";", split at the commas ("; Terrain: name, move cost ;
// code" lists "name" and "move cost"). Nothing unless there are `count` of
// them, none empty, none twice, none called "Comment".
std::vector<std::string> ListedHeadings(std::string_view line, int count) {
    std::string_view text = line.substr(line.find(';') + 1);
    if (const std::size_t colon = text.find(':'); colon != std::string_view::npos)
        text.remove_prefix(colon + 1);
    text = text.substr(0, text.find(';'));
    std::vector<std::string> words;
    std::vector<std::string> seen{"comment"};
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view word = TrimmedView(text.substr(start, comma - start));
        if (word.empty() || std::find(seen.begin(), seen.end(), Lower(word)) != seen.end()) return {};
        words.emplace_back(word);
        seen.push_back(Lower(word));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (static_cast<int>(words.size()) != count) return {};
    return words;
}

bool IsCommentLine(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] == ';';
}

}  // namespace

SectionTable SectionTable::Read(const LineStore& store, int headerLine) {
    SectionTable table;
    table.name_ = std::string(store.GetLine(headerLine).substr(1));
    table.header_ = headerLine;
    int line = headerLine + 1;
    for (; line < store.LineCount(); ++line) {
        const std::string_view text = store.GetLine(line);
        if (IsSectionEnd(text) || IsSectionHeader(text)) break;
        if (!IsRowLine(text)) continue;
        table.rows_.push_back(ReadRow(text));
        table.lines_.push_back(line);
        table.savedLines_.emplace_back(text);
    }
    table.end_ = line;

    std::map<int, int> counts;  // values per row -> rows
    for (const RowText& row : table.rows_) {
        const int values = static_cast<int>(row.values.size());
        table.valueColumns_ = std::max(table.valueColumns_, values);
        ++counts[values];
    }
    int most = 0;
    for (const auto& [values, rows] : counts) {
        if (rows >= most) {
            most = rows;
            table.usualValues_ = values;
        }
    }
    table.FindHeadings(store);
    table.FindAlignments();
    return table;
}

void SectionTable::FindHeadings(const LineStore& store) {
    int top = header_;
    while (top > 0 && IsCommentLine(store.GetLine(top - 1))) --top;
    headings_.clear();
    headingsFound_ = false;
    // One word for a one-column section would take any remark for a heading.
    for (int line = top; usualValues_ >= 2 && line < header_ && !headingsFound_; ++line) {
        headings_ = ListedHeadings(store.GetLine(line), usualValues_);
        headingsFound_ = !headings_.empty();
    }
    for (int column = static_cast<int>(headings_.size()); column < valueColumns_; ++column)
        headings_.push_back("Column " + std::to_string(column + 1));
    headings_.resize(static_cast<std::size_t>(valueColumns_));
    headings_.push_back("Comment");
}

void SectionTable::FindAlignments() {
    alignments_.assign(static_cast<std::size_t>(valueColumns_), Alignment::Left);
    for (int column = 0; column < valueColumns_; ++column) {
        const auto c = static_cast<std::size_t>(column);
        bool numbers = false;
        for (std::size_t k = 0; k < rows_.size(); ++k) {
            const RowText& row = SavedRow(k);
            if (c >= row.values.size()) continue;
            numbers = PlainWholeNumber(row.values[c], true).has_value();
            if (!numbers) break;
        }
        if (numbers) alignments_[c] = Alignment::Right;
    }
}

int SectionTable::RowOfLine(int line) const {
    const auto found = std::lower_bound(lines_.begin(), lines_.end(), line);
    return found != lines_.end() && *found == line ? static_cast<int>(found - lines_.begin()) + 1 : 0;
}

bool SectionTable::HasCell(int row, int column) const {
    if (row < 1 || row > RowCount() || column < 0) return false;
    return column == CommentColumn() || static_cast<std::size_t>(column) < Row(row).values.size();
}

namespace {
const std::string& CellOf(const RowText& row, int column, int commentColumn) {
    if (column == commentColumn) return row.comment;
    if (column >= 0 && static_cast<std::size_t>(column) < row.values.size())
        return row.values[static_cast<std::size_t>(column)];
    return kNoText;
}
}  // namespace

const std::string& SectionTable::Cell(int row, int column) const {
    if (row < 1 || row > RowCount()) return kNoText;
    return CellOf(Row(row), column, CommentColumn());
}

const std::string& SectionTable::SavedCell(int row, int column) const {
    if (row < 1 || row > RowCount()) return kNoText;
    return CellOf(SavedRow(static_cast<std::size_t>(row - 1)), column, CommentColumn());
}

const RowText& SectionTable::SavedRow(std::size_t k) const {
    const auto found = saved_.find(k);
    return found != saved_.end() ? found->second : rows_.at(k);
}

void SectionTable::SetCell(int row, int column, std::string text) {
    if (!HasCell(row, column)) return;
    const auto k = static_cast<std::size_t>(row - 1);
    RowText& now = rows_[k];
    saved_.try_emplace(k, now);  // the row as saved, before its first change
    (column == CommentColumn() ? now.comment : now.values[static_cast<std::size_t>(column)]) = std::move(text);
}

bool SectionTable::RowChanged(int row) const {
    const auto found = saved_.find(static_cast<std::size_t>(row - 1));
    if (found == saved_.end()) return false;
    const RowText& now = Row(row);
    return now.values != found->second.values || now.comment != found->second.comment;
}

bool SectionTable::Changed() const {
    for (const auto& [k, saved] : saved_)
        if (RowChanged(static_cast<int>(k) + 1)) return true;
    return false;
}

bool SectionTable::WholeNumberColumn(int column) const {
    bool any = false;
    for (const RowText& row : rows_) {
        if (column < 0 || static_cast<std::size_t>(column) >= row.values.size()) continue;
        if (!PlainWholeNumber(row.values[static_cast<std::size_t>(column)], true)) return false;
        any = true;
    }
    return any;
}

std::string SectionTable::LineNow(int row) const {
    const auto k = static_cast<std::size_t>(row - 1);
    if (!RowChanged(row)) return savedLines_.at(k);
    std::vector<CellChange> changes;
    for (int column = 0; column < ColumnCount(); ++column)
        if (HasCell(row, column) && Changed(row, column)) changes.push_back({column, Cell(row, column)});
    // Where the values stand is read again for the changed rows alone: a
    // few, where a section may have a million.
    RowLayout layout;
    ReadRow(savedLines_[k], &layout);
    // The saved line's layout numbers the comment after its own values.
    for (CellChange& change : changes)
        if (change.column == CommentColumn()) change.column = static_cast<int>(layout.values.size());
    return EditRowLine(savedLines_[k], layout, alignments_, changes);
}

void SectionTable::Write(LineStore& store) const {
    for (int row = 1; row <= RowCount(); ++row) {
        const auto k = static_cast<std::size_t>(row - 1);
        if (RowChanged(row))
            store.PutLine(lines_[k], LineNow(row));
        else if (store.GetLine(lines_[k]) != savedLines_[k])
            store.PutLine(lines_[k], savedLines_[k]);
    }
}

void SectionTable::TakeBaseline(const LineStore& store) {
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        const std::string_view now = store.GetLine(lines_[k]);
        const bool written = now != savedLines_[k];
        if (written) savedLines_[k] = std::string(now);
        if (!written && !saved_.count(k)) continue;
        // What the line now reads as is what the file holds, whatever the
        // tables meant it to hold.
        RowText onDisk = ReadRow(savedLines_[k]);
        if (onDisk.values == rows_[k].values && onDisk.comment == rows_[k].comment)
            saved_.erase(k);
        else
            saved_[k] = std::move(onDisk);
    }
    FindAlignments();
}

}  // namespace rules
