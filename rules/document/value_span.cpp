#include "rules/document/value_span.h"

#include <algorithm>

#include "rules/document/text_routines.h"

namespace rules {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits of line[cellBegin, cellEnd), with the span from the first to the
// last; without a digit, an empty span at the start of the cell.
std::string ReadDigits(std::string_view line, std::size_t cellBegin, std::size_t cellEnd,
                       ValueSpan& span) {
    std::string digits;
    std::size_t first = cellBegin;
    std::size_t last = cellBegin;
    for (std::size_t i = cellBegin; i < cellEnd; ++i) {
        if (!IsDigit(line[i])) continue;
        if (digits.empty()) first = i;
        last = i + 1;
        digits += line[i];
    }
    span.begin = static_cast<int>(first);
    span.end = static_cast<int>(digits.empty() ? first : last);
    return digits;
}

}  // namespace

std::string ReadValue(std::string_view line, std::size_t fieldBegin, std::size_t fieldEnd,
                      ValueReading reading, ValueSpan& span) {
    std::size_t cellBegin = fieldBegin;
    while (cellBegin < fieldEnd && line[cellBegin] == ' ') ++cellBegin;
    std::size_t cellEnd = fieldEnd;
    while (cellEnd > cellBegin && line[cellEnd - 1] == ' ') --cellEnd;
    if (cellBegin == cellEnd) cellBegin = cellEnd = fieldEnd;
    span.fieldBegin = static_cast<int>(fieldBegin);
    span.cellBegin = static_cast<int>(cellBegin);
    span.cellEnd = static_cast<int>(cellEnd);
    span.fieldEnd = static_cast<int>(fieldEnd);
    span.reading = reading;
    if (reading == ValueReading::Digits) return ReadDigits(line, cellBegin, cellEnd, span);
    // Each field starts and ends at a separator or an end of the line, so
    // squeezing it alone drops exactly what squeezing the whole line would.
    span.begin = span.cellBegin;
    span.end = span.cellEnd;
    std::string text(line.substr(cellBegin, cellEnd - cellBegin));
    SqueezeSpaces(text);
    return text;
}

std::string ReadCosmicValue(std::string_view line, ValueSpan& span) {
    const std::size_t space = std::min(line.find(' '), line.size());
    std::size_t after = space;
    while (after < line.size() && line[after] == ' ') ++after;
    span.fieldBegin = span.cellBegin = 0;
    span.cellEnd = static_cast<int>(space);
    span.fieldEnd = static_cast<int>(after);
    span.reading = ValueReading::Digits;
    std::string digits = ReadDigits(line, 0, space, span);
    // A tab after the digits ends the cell there: what follows it (a ";"
    // with no space before it) is lined up by the tab, not padded by spaces.
    if (const std::size_t tab = line.find('\t', static_cast<std::size_t>(span.end)); tab < space)
        span.cellEnd = span.fieldEnd = static_cast<int>(tab);
    return digits;
}

}  // namespace rules
