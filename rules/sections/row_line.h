#pragma once

// One data line of a section the editor has no form for ("@TERRAIN",
// "@LANDMARKS"): its comma-separated values and what follows its ";", where
// each stands on the line, and the line with some of them changed in place.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/line_edit.h"

namespace rules {

// Where one value (or the comment) stands on its line, in byte offsets:
//   fieldBegin .. begin  spaces and tabs before it (after the separator)
//   begin      .. end    the value itself
//   end        .. fieldEnd  spaces and tabs after it, up to the separator
//                        ("," or ";") or the end of the line
// An empty value has begin == end == fieldEnd.
struct CellSpan {
    int fieldBegin = 0;
    int begin = 0;
    int end = 0;
    int fieldEnd = 0;

    bool operator==(const CellSpan&) const = default;
};

// What a data line holds: the values before its first ";", split at every
// ",", each without the spaces and tabs at its ends; and the comment after
// that ";", likewise trimmed.
struct RowText {
    std::vector<std::string> values;
    std::string comment;
    bool hasComment = false;  // the line has a ";"

    bool operator==(const RowText&) const = default;
};

struct RowLayout {
    std::vector<CellSpan> values;
    CellSpan comment;    // after the ";"; at the line's end when there is none
    int semicolon = -1;  // where the ";" stands; -1 for none
};

// A line of such a section holds a row unless it is blank (spaces and tabs
// only) or a comment (its first other character is ";").
bool IsRowLine(std::string_view line);

RowText ReadRow(std::string_view line, RowLayout* layout = nullptr);

// One cell to be given a new text: a value (0-based) or, at the index one
// past the values, the comment.
struct CellChange {
    int column = 0;
    std::string_view text;
};

// The line with each changed cell's text written over the characters it was
// read from, by the one in-place edit of every record line (EditLine): every
// other byte stays, tabs included, and a value that grows or shrinks takes
// the difference from, or gives it back to, the spaces that pad its column
// (`alignments`, one per value: numbers right-aligned, other texts left).
// A comment given to a line without one is added as " ; text". The texts
// must hold nothing that would split them (see ReadRow).
std::string EditRowLine(std::string_view line, const RowLayout& layout,
                        std::span<const Alignment> alignments, std::span<const CellChange> changes);

}  // namespace rules
