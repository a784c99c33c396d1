#pragma once

#include <string>
#include <string_view>

#include "rules/document/line_store.h"

namespace rules {

// Line indexes of one section: `first` is the line after the header, `last`
// the last line the reader took (see each reader). Both 0 until read.
struct SectionRange {
    int first = 0;
    int last = 0;
};

// Index of the line after the first line (from index 1 on; line 0 is never
// compared) that is exactly "@" + name. When none matches: LineCount() + 2.
int FindSection(const LineStore& store, std::string_view name);

// True for a line that opens a section ("@" first), which also ends the
// section before it.
bool IsSectionHeader(std::string_view line);

// Takes the next field of `text` from the 1-based `cursor` up to `delimiter`
// ('\0' means the end of the text) and moves the cursor just past the
// delimiter. With digitsOnly, only the digits 0-9 of the field are kept. When
// the delimiter does not occur, the field runs to the end of the text and the
// cursor ends at length + 2.
std::string ScanField(int& cursor, std::string_view text, char delimiter, bool digitsOnly);

// Removes the runs of spaces at the start and the end of the text and those
// next to a "," or a ";"; every other run of spaces becomes one space. Tabs
// are not spaces.
void SqueezeSpaces(std::string& text);

// Whether two texts are the same but for the letter case of A to Z (the
// words and names of the file's format and of the command line).
bool SameAsciiIgnoringCase(std::string_view a, std::string_view b);

// "1 row", "3 rows": a count and a noun that takes an "s" for any other
// number than one.
std::string Counted(int n, std::string_view noun);

// A line inside a section is a data line when it has more than 5 bytes.
constexpr bool IsDataLine(std::string_view line) { return line.size() > 5; }

// The line that closes a section: exactly ";".
constexpr bool IsSectionEnd(std::string_view line) { return line == ";"; }

}  // namespace rules
