#pragma once

// Editing a record's line in place: the one way a changed unit, advance or
// cosmic value gets onto its line, for saving and for everything that
// proposes a change of the file's text (the command line's `set`, quick
// fixes, merging, a language server). Only the characters of the changed
// values move; the other values, the separators, the comment and, where the
// padding allows, the columns stay where they were.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rules/document/findings.h"
#include "rules/document/value_span.h"

namespace rules {

// Where a column keeps its padding: text (names, abbreviations, advances)
// is left-aligned, padded after the value and after its separator; numbers
// are right-aligned, padded in front. Cosmic values stand at the start of
// their line, padded after, before their comment.
enum class Alignment { Left, Right };
Alignment ColumnAlignment(SectionId section, int field);

// A field of the record to be given a new text (Windows-1252 bytes, as the
// tables hold it).
struct FieldChange {
    int field = 0;
    std::string_view text;
};

// The line with each changed field's value written over the characters it
// was read from. Only the characters that differ are replaced ("Mark 2
// Tiller" to "Mark 3 Tiller" changes the "2"); a value that grows or shrinks
// takes the difference from, or gives it back to, the spaces that pad its
// column (see Alignment), always leaving one space where there was at least
// one; without such room the rest of the line shifts. Nothing when the line
// cannot be edited so: the layout is not that of a whole record line, or
// the result would no longer be read as a record line (too short, or
// starting like a section header); the caller then writes the record in its
// designed form.
std::optional<std::string> EditLine(SectionId section, std::string_view line,
                                    std::span<const ValueSpan> layout,
                                    std::span<const FieldChange> changes);

// The same for a line whose columns are aligned as `alignments` says (one
// per span of `layout`), with no rule of its own for what the result must
// read as: a row of a section the editor has no form for, whose caller
// knows that. Nothing when the layout is not that of the line, or has more
// than 32 spans.
std::optional<std::string> EditLine(std::span<const Alignment> alignments, std::string_view line,
                                    std::span<const ValueSpan> layout,
                                    std::span<const FieldChange> changes);

}  // namespace rules
