#pragma once

#include <string_view>
#include <vector>

#include "rules/document/findings.h"

namespace rules {

// The fields of a line that may not be a record yet: one being typed, which
// no reader has taken (completion needs to know which field the cursor is
// in). Where the values of the lines the readers did take stand, they keep
// themselves (value_span.h); these spans agree with theirs.

// Where one field's text stands on its line: byte offsets [begin, end) into
// the line as stored, the spaces that pad it left out.
struct FieldSpan {
    int begin = 0;
    int end = 0;
};

// The spans of every field of a record line of `section`, in field order
// (FieldCount of them), found the way the section's reader finds the fields:
// squeezing only removes spaces, so the n-th delimiter of the stored line is
// the one the reader split at. A field the line lacks gets an empty span at
// the line's end. A cosmic line has one span, the value before the first
// space.
std::vector<FieldSpan> RecordFieldSpans(SectionId section, std::string_view line);

// The field of a line of `section` that a byte offset falls into, counted
// by the delimiters before it, so that a line still being typed (fewer
// delimiters than a record has) gives the field being typed. An offset on a
// delimiter belongs to the field before it.
int FieldAtColumn(SectionId section, std::string_view line, int column);

}  // namespace rules
