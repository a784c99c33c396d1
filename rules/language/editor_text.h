#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rules/language/text_places.h"

namespace rules::language {

// The text of a rules file as the editor holds it: UTF-8, lines ended by
// CR LF, LF or a lone CR (as the rules file's own lines are), changed piece
// by piece as the user types. Held line by line, so that an edit costs what
// the lines it touches cost, not the whole text.
class EditorText {
  public:
    explicit EditorText(std::string_view utf8 = {});

    // The whole text, put together.
    std::string Utf8() const;
    int LineCount() const { return static_cast<int>(lines_.size()); }
    // The line's text without its line break; empty outside the text.
    std::string_view Line(int line) const;

    // A column given in the client's code units as characters, and back. A
    // column past the line's end counts as its end; one inside a character
    // (half a surrogate pair, a byte inside a UTF-8 sequence) as that
    // character's start.
    int CharacterColumn(int line, int units, PositionEncoding encoding) const;
    int UnitColumn(int line, int characters, PositionEncoding encoding) const;

    // Which lines an edit replaced: `removed` lines from `first` on gave way
    // to `added` lines.
    struct LineChange {
        int first = 0;
        int removed = 0;
        int added = 0;
    };
    // Replaces the text from `from` to `to` (lines and characters; a place
    // past the end counts as the end) with `utf8`.
    LineChange Replace(TextPoint from, TextPoint to, std::string_view utf8);

  private:
    // A place as a line and a byte offset into its text (without its break).
    std::pair<std::size_t, std::size_t> Offset(TextPoint point) const;

    std::vector<std::string> lines_;  // each with its line break, but the last
};

// The text split into lines, each keeping its line break (CR LF, LF or a
// lone CR); the last piece, with no break, is kept when `withLast`.
std::vector<std::string> SplitLines(std::string_view utf8, bool withLast);

// The length of the UTF-8 sequence that starts with `lead` (1 for a byte
// that starts none, so that broken text still advances).
int Utf8SequenceLength(unsigned char lead);
// The code point of the sequence at the start of `text`, which is not empty.
char32_t DecodeUtf8(std::string_view text, int length);

}  // namespace rules::language
