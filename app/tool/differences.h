#pragma once

// The differences between two rules files as `diff` prints them, shared by
// `diff` and the dry runs of the commands that change a file.

#include <iosfwd>
#include <string>
#include <vector>

#include "rules/compare/comparison.h"

namespace tool {

// One difference as printed: where it is, and the core's data behind it.
struct Entry {
    bool inBase = false;  // placed in BASE (a record OTHER lacks), else in OTHER
    int line = -1;        // 0-based
    const rules::RecordDifference* record = nullptr;
    const rules::FieldDifference* field = nullptr;  // with `record`: a field
    const rules::LineDifference* freeLine = nullptr;
    // A row of another section: with `cell`, a cell of it.
    const rules::RowDifference* row = nullptr;
    const rules::CellDifference* cell = nullptr;

    std::string Text() const;  // UTF-8
};

// Everything OTHER's lines can name, in OTHER's line order; then the records
// and rows only BASE holds, in BASE's order. Lines only one file has are counted, not
// listed.
std::vector<Entry> Entries(const rules::Comparison& comparison);

// One line per difference, "OTHER:LINE: TEXT", the counts of lines only one
// file has, and the summary sentence.
void PrintDifferences(const rules::Comparison& comparison, const std::string& base,
                      const std::string& other, std::ostream& out);

}  // namespace tool
