#include "rules/text_routines.h"

#include <string>

namespace rules {

int FindSection(const LineStore& store, std::string_view name) {
    const int count = store.LineCount();
    for (int i = 1; i < count; ++i) {
        const std::string_view line = store.GetLine(i);
        if (line.size() == name.size() + 1 && line[0] == '@' && line.substr(1) == name)
            return i + 1;
    }
    // Not found: an index past the last line, as the readers expect.
    return count + 2;
}

bool IsSectionHeader(std::string_view line) { return !line.empty() && line.front() == '@'; }

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
}  // namespace

std::string ScanField(int& cursor, std::string_view text, char delimiter, bool digitsOnly) {
    const auto length = static_cast<long long>(text.size());
    long long pos = cursor < 1 ? 1 : cursor;
    std::string field;
    // '\0' stands for the end of the text, so a NUL byte inside the text is
    // an ordinary character for it; a missing delimiter also ends at the end.
    while (pos <= length) {
        const char c = text[static_cast<std::size_t>(pos - 1)];
        if (delimiter != '\0' && c == delimiter) {
            cursor = static_cast<int>(pos + 1);
            return field;
        }
        if (!digitsOnly || IsDigit(c)) field.push_back(c);
        ++pos;
    }
    cursor = static_cast<int>(length + 2);
    return field;
}

void SqueezeSpaces(std::string& text) {
    std::string out;
    out.reserve(text.size());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c != ' ') {
            out.push_back(c);
            continue;
        }
        const bool letterBefore = i > 0 && IsLetter(text[i - 1]);
        const bool letterAfter = i + 1 < n && IsLetter(text[i + 1]);
        if (letterBefore && letterAfter) out.push_back(c);
    }
    text = std::move(out);
}

}  // namespace rules
