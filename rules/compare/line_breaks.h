#pragma once

// The line breaks of a file as it was read, line by line, so that a merge
// can write each line back with the break its own side gave it: a change of
// line breaks alone is no change of content.

#include <string>
#include <string_view>
#include <vector>

namespace rules {

// Each line's break, as the line store splits lines (CR LF, a lone CR, a
// lone LF): views into `bytes`; empty for a last line without one.
std::vector<std::string_view> LineBreaks(std::string_view bytes);

// The break most lines have ("\r\n" for a file without any).
std::string_view UsualBreak(const std::vector<std::string_view>& breaks);

// Appends a line and its break, so that it reads back as one line: an
// empty line right after a lone CR gets CR LF instead of a lone LF, which
// would join the CR.
void AppendLine(std::string& out, std::string_view text, std::string_view lineBreak);

// The lines of `bytes` with `breaks[k]` after line k, and lines beyond them
// with the usual break; a last line without a break stays without.
std::string WithBreaks(std::string_view bytes, const std::vector<std::string_view>& breaks);

}  // namespace rules
