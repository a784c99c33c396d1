#pragma once

// Where each value of a record line stands, as its reader found it, so that
// a changed value can be written back over its own characters and the rest
// of the line kept (see line_edit.h).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace rules {

// How a reader takes a value from its characters: as text, with the spaces
// at its ends and around "," and ";" dropped and other runs of spaces made
// one (names, abbreviations, every field of an advance), as its digits
// alone (a unit's numbers and flags, a cosmic value), or exactly as its
// bytes stand between the blanks at its ends (the rows of the sections the
// editor has no form for).
enum class ValueReading : unsigned char { Text, Digits, Exact };

// One value's place on its line, in byte offsets, in this order:
//   fieldBegin .. cellBegin  spaces before the cell (after the previous separator)
//   cellBegin  .. cellEnd    the cell: the field's bytes up to its outer spaces
//   begin      .. end        the characters the value is read from, inside the
//                            cell (Digits: first to last digit; no digit: an
//                            empty span where digits would go)
//   cellEnd    .. fieldEnd   spaces after the cell, up to the separator, the
//                            comment or the end of the line
// A field of spaces only has an empty cell at fieldEnd.
struct ValueSpan {
    int fieldBegin = -1;
    int cellBegin = -1;
    int begin = -1;
    int end = -1;
    int cellEnd = -1;
    int fieldEnd = -1;
    ValueReading reading = ValueReading::Text;

    bool Known() const { return fieldBegin >= 0; }
    bool operator==(const ValueSpan&) const = default;
};

// The places of a record's values, one per field in field order.
template <std::size_t N>
using LineLayout = std::array<ValueSpan, N>;

// Reads the field that occupies line[fieldBegin, fieldEnd) (its separators
// excluded) the way `reading` says, and notes where it stands in `span`.
std::string ReadValue(std::string_view line, std::size_t fieldBegin, std::size_t fieldEnd,
                      ValueReading reading, ValueSpan& span);

// The value of a cosmic line: the digits before its first space (of the
// whole line when it has none). `span`'s cell runs from the start of the
// line to that space, and its field on over the spaces that follow, up to
// the comment; a tab after the digits ends both the cell and the field.
std::string ReadCosmicValue(std::string_view line, ValueSpan& span);

}  // namespace rules
