#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "rules/document/line_store.h"
#include "rules/sections/row_line.h"

namespace rules {

// One section of the file that the editor has no form for: a line "@NAME",
// then its lines up to the line ";", the next section's header or the end of
// the file. Its rows are its data lines (see IsRowLine), its columns their
// comma-separated values plus a last one, "Comment", for what follows a ";".
// Like the three designed sections it keeps what each row held when its line
// was read or last saved, and writes only the rows that changed, each edited
// in place on its line; comments and blank lines are never touched.
class SectionTable {
  public:
    // Reads the section whose header is line `headerLine`.
    static SectionTable Read(const LineStore& store, int headerLine);

    // The name after the "@": "TERRAIN".
    const std::string& Name() const { return name_; }
    int HeaderLine() const { return header_; }
    // The line that ends it: its ";" line, the next header, or the line
    // count at the end of the file.
    int EndLine() const { return end_; }

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The values of row `row` (1-based) as they are now.
    const RowText& Row(int row) const { return rows_.at(static_cast<std::size_t>(row - 1)); }
    int LineOf(int row) const { return lines_.at(static_cast<std::size_t>(row - 1)); }
    // The row shown on this line, or 0.
    int RowOfLine(int line) const;

    // Columns: as many values as the widest row has, then the comment.
    int ValueColumns() const { return valueColumns_; }
    int ColumnCount() const { return valueColumns_ + 1; }
    int CommentColumn() const { return valueColumns_; }
    // How many values most rows have (the larger count on a tie).
    int UsualValueCount() const { return usualValues_; }
    // One heading per column, "Comment" last: those of the comment line
    // just above the header that lists as many comma-separated words as
    // most rows have values ("; Terrain: name, move cost, defense ; code"),
    // otherwise "Column 1", "Column 2", ...
    const std::vector<std::string>& Headings() const { return headings_; }
    bool HeadingsFromComment() const { return headingsFound_; }

    // Whether the row has this cell: a value it holds, or its comment (a
    // row with fewer values than the widest has no cell beyond them).
    bool HasCell(int row, int column) const;
    // A cell's text now; empty where the row has no such cell.
    const std::string& Cell(int row, int column) const;
    // The text the cell had when the file was read or last saved.
    const std::string& SavedCell(int row, int column) const;
    // Sets an existing cell; the text must be one ParseCellText accepted.
    void SetCell(int row, int column, std::string text);
    bool Changed(int row, int column) const { return Cell(row, column) != SavedCell(row, column); }
    bool RowChanged(int row) const;
    bool Changed() const;
    // Whether every value of the column, as it is now, is a whole number.
    bool WholeNumberColumn(int column) const;

    // The line saving writes for the row now: its saved line, with the
    // changed cells edited in place.
    std::string LineNow(int row) const;
    // Writes the changed rows; an unchanged row's line gets back its saved
    // bytes (also after a change that was undone).
    void Write(LineStore& store) const;
    // Makes the rows as they are now, and their lines in `store`, the saved
    // state: called once the file holding them was written.
    void TakeBaseline(const LineStore& store);

  private:
    void FindHeadings(const LineStore& store);
    const RowText& SavedRow(std::size_t k) const;
    void FindAlignments();

    std::string name_;
    int header_ = -1;
    int end_ = 0;
    std::vector<int> lines_;
    std::vector<RowText> rows_;
    std::vector<std::string> savedLines_;
    // What the rows set since the file was read or saved held then (by
    // 0-based row); every other row holds what it was read with. Kept apart
    // so that a section of a million rows costs one reading of them.
    std::unordered_map<std::size_t, RowText> saved_;
    // How each value column keeps its place on the saved lines: numbers
    // (every value a whole number) right-aligned, other texts left.
    std::vector<Alignment> alignments_;
    int valueColumns_ = 0;
    int usualValues_ = 0;
    std::vector<std::string> headings_;
    bool headingsFound_ = false;
};

}  // namespace rules
