#pragma once

// The cells of the other sections as the rest of the editor reaches them:
// through a CellRef into the document, as FieldRef reaches the fields of the
// three designed sections.

#include <string>
#include <string_view>

#include "rules/document/field_values.h"
#include "rules/sections/cell_ref.h"

namespace rules {

class RulesDocument;
class SectionTable;

// Whether the reference names a cell that exists: a value its row holds, or
// the row's comment.
bool IsValidCell(const RulesDocument& document, const CellRef& ref);
// The cell's text now, and as the file on disk holds it; the reference must
// be valid.
const std::string& CellText(const RulesDocument& document, const CellRef& ref);
const std::string& SavedCellText(const RulesDocument& document, const CellRef& ref);
void SetCellText(RulesDocument& document, const CellRef& ref, std::string text);

// The one reader of what a user gives such a cell (Windows-1252 bytes),
// typed, pasted, imported or from the command line: the text without the
// spaces and tabs at its ends, or why it is refused. A value may hold
// neither "," nor ";" nor a line break (they would split it), a comment no
// line break; the first value may not begin with "@" (the line would head a
// section), nor be empty where it is the row's only value (the line would be
// no row any more).
ParsedValue ParseCellText(const RulesDocument& document, const CellRef& ref, std::string_view text);

// How rows and columns are named to the user (Windows-1252):
// `Row "Saltmarsh" of TERRAIN` (`Row 3 of TERRAIN` when its first value is
// empty), `column "defense"`.
std::string RowLabel(const SectionTable& section, int row);
std::string RowLabel(std::string_view section, std::string_view firstValue, int row);
std::string ColumnLabel(const SectionTable& section, int column);
// The row's first value: what names it in a CSV file and in the messages.
const std::string& RowName(const SectionTable& section, int row);

}  // namespace rules
