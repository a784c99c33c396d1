#pragma once

// Numbers as their lines hold them. A unit's numbers and a cosmic value are
// read as their digits alone, so "7x" and "x3" hold 7 and 3 in the tables
// while the file still says otherwise: the check and its fixes look at the
// line, every other number (an advance's, a cell's) is its text already.

#include <optional>
#include <string>
#include <vector>

#include "rules/document/record_fields.h"
#include "rules/document/unit_table.h"

namespace rules {

class RulesDocument;

// The text of number field `ref` as its line holds it, without the letter
// the writer puts after it ("7x" for an attack written "7xa"); the field's
// text where the record changed since its line was read or saved (the line
// it will be written as is then the table's).
std::string WrittenNumber(const RulesDocument& document, const FieldRef& ref);

// A whole line put in the place of a record's line, holding the same values
// as the table: how a fix mends what the reader already dropped.
struct LineFix {
    SectionId section = SectionId::Units;
    int record = 0;
    int line = -1;
    std::string text;  // Windows-1252

    bool operator==(const LineFix&) const = default;
};

// The fix that keeps only `number` of a digits-read field whose line holds
// more (the record's saved line with that cell replaced, the writer's
// letter kept); nothing where the table's own text is what differs.
std::optional<LineFix> KeepNumberOnLine(const RulesDocument& document, const FieldRef& ref,
                                        const std::string& number);

// Puts each line in place of its record's, as saving will write it; false,
// with nothing changed from the first refused one on, when a line does not
// read as its record.
bool ApplyLineFixes(RulesDocument& document, const std::vector<LineFix>& fixes);

// Whether a unit's line holds, in a number or its flags, more than the
// reader kept (the "x" of "7x"): only such a line need be read again as
// written. The writer's own letter after a number ("2a", "1.") is no more.
bool HoldsMoreThanRead(std::string_view line, const UnitLayout& layout);

}  // namespace rules
