#pragma once

// Aligning the columns of the three edited sections: the editor's Edit >
// Align Columns, `ovantra-rules format` and a language server's formatting.

#include <vector>

namespace rules {

class RulesDocument;

// Re-pads the line of every unit, advance and cosmic value so that each
// column starts at the same place within its section: text left-aligned
// with its padding after its separator, numbers right-aligned, one space
// after each separator and before a ";", the cosmic comments in one column.
// Only spaces change, so every line reads as the same record; a line that
// would not (say, one too short to be read once aligned) stays as it is.
// Lines outside the records are never touched.
//
// It aligns the lines as saving would write them now, edits included, and
// takes them as the document's own lines: the tables do not change, so an
// unsaved edit stays an unsaved edit, now on an aligned line. Returns the
// 0-based indexes of the lines whose text changed, in order.
std::vector<int> AlignColumns(RulesDocument& document);

}  // namespace rules
