#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace rules {

// What a stretch of a line is, as the Source page colours it.
enum class PieceKind {
    Header,     // a section's "@NAME" line
    Comment,    // from a ";" that starts a remark to the end of the line
    Number,     // a value that starts with a digit (or a sign and a digit): "3", "1a", "-1"
    Text,       // any other value: a name, "nil", an abbreviation
    Separator,  // the "," or ";" between values, with the blanks around them
};

struct LinePiece {
    PieceKind kind;
    std::size_t begin;  // byte offsets in the line, end excluded
    std::size_t end;
};

// Cuts a line into pieces that cover it from its first byte to its last.
// Values are what stands between commas; a ";" starts a comment, except on
// an advance's line (`abbreviationAfterSemicolon`), where the value after it
// is the advance's abbreviation.
void SplitLine(std::string_view line, bool abbreviationAfterSemicolon,
               std::vector<LinePiece>& pieces);

}  // namespace rules
