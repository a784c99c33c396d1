#pragma once

// Places in a rules file as an editor shows it. A column counts characters,
// which are the bytes of the rules file (Windows-1252 has one byte per
// character); the protocol turns them into the client's code units.

#include <string>

namespace rules::language {

struct TextPoint {
    int line = 0;    // from 0
    int column = 0;  // characters from the start of the line

    bool operator==(const TextPoint&) const = default;
    auto operator<=>(const TextPoint&) const = default;
};

struct TextRange {
    TextPoint start;
    TextPoint end;

    bool operator==(const TextRange&) const = default;
    bool Contains(TextPoint point) const { return start <= point && point <= end; }
};

// Replace the text of `range` with `newText` (UTF-8).
struct TextEdit {
    TextRange range;
    std::string newText;

    bool operator==(const TextEdit&) const = default;
};

// The code units a client counts columns in: UTF-16 by default, UTF-8 when
// both sides agree on it.
enum class PositionEncoding { Utf16, Utf8 };

}  // namespace rules::language
