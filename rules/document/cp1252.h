#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rules {

// The file's text is 8-bit Windows-1252. These are the only conversions to and
// from Unicode (UTF-8 here); the editor uses them for display and typed text.
//
// Every byte converts: the five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so
// that converting back gives the same bytes.
std::string Cp1252ToUtf8(std::string_view bytes);

// Returns nothing when the text holds a character that has no Windows-1252
// byte (or is not valid UTF-8): such text is refused, never approximated.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// Whether the bytes are strict UTF-8 (no overlongs, no surrogates).
bool IsValidUtf8(std::string_view bytes);

// Bytes that may or may not be UTF-8, such as a file name, as valid UTF-8:
// what is UTF-8 stays, and every other byte is read as Windows-1252, the
// text of the game's files, so that a name written there still reads.
std::string ValidUtf8(std::string_view bytes);

// One code point; nothing when it has no Windows-1252 byte.
std::optional<char> CodePointToCp1252(char32_t codePoint);
char32_t Cp1252ToCodePoint(unsigned char byte);

// A byte as its small letter (A-Z, the accented capitals, S and Z caron, OE,
// Y diaeresis), for finding text without regard to letter case; every other
// byte as it is.
unsigned char FoldCase(unsigned char byte);
// Whether two texts are the same but for letter case, folded as FoldCase does.
bool SameFoldingCase(std::string_view a, std::string_view b);

}  // namespace rules
