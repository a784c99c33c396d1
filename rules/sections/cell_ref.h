#pragma once

namespace rules {

// One cell of a section the editor has no form for: section `section` of
// the document's other sections (0-based, in file order), row `row`
// (1-based, as records are counted), column `column` (0-based: its values,
// then the comment). Every edit, comparison and table cell of those
// sections addresses them this way, as FieldRef addresses the fields of the
// three designed ones.
struct CellRef {
    int section = -1;
    int row = 0;
    int column = 0;

    bool operator==(const CellRef&) const = default;
};

}  // namespace rules
