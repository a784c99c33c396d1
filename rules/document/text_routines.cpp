#include "rules/document/text_routines.h"

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
bool IsDelimiter(char c) { return c == ',' || c == ';'; }
}  // namespace

std::string ScanField(int& cursor, std::string_view text, char delimiter, bool digitsOnly) {
    const std::size_t length = text.size();
    const std::size_t start = cursor < 1 ? 0 : static_cast<std::size_t>(cursor) - 1;
    if (start >= length) {
        cursor = static_cast<int>(length + 2);
        return {};
    }
    // '\0' stands for the end of the text, so a NUL byte inside the text is
    // an ordinary character for it; a missing delimiter also ends at the end.
    std::size_t end = delimiter == '\0' ? std::string_view::npos : text.find(delimiter, start);
    if (end == std::string_view::npos) {
        end = length;
        cursor = static_cast<int>(length + 2);
    } else {
        cursor = static_cast<int>(end + 2);
    }
    const std::string_view field = text.substr(start, end - start);
    if (!digitsOnly) return std::string(field);
    std::string digits;
    digits.reserve(field.size());
    for (const char c : field) {
        if (IsDigit(c)) digits += c;
    }
    return digits;
}

void SqueezeSpaces(std::string& text) {
    if (text.find(' ') == std::string::npos) return;
    // Spaces that align columns stand at the ends of the line or around the
    // delimiters; those go. Any other run sits inside a value ("Mark 2
    // Tiller", "Hvy. Lancer") and keeps one space, so names survive a save.
    // In place: the write position never passes the read position.
    const std::size_t n = text.size();
    std::size_t out = 0;
    std::size_t i = 0;
    while (i < n) {
        if (text[i] != ' ') {
            text[out++] = text[i++];
            continue;
        }
        std::size_t end = i;
        while (end < n && text[end] == ' ') ++end;
        const bool atEdge = i == 0 || end == n;
        const bool byDelimiter = !atEdge && (IsDelimiter(text[i - 1]) || IsDelimiter(text[end]));
        if (!atEdge && !byDelimiter) text[out++] = ' ';
        i = end;
    }
    text.resize(out);
}

std::string Counted(int n, std::string_view noun) {
    return std::to_string(n) + " " + std::string(noun) + (n == 1 ? "" : "s");
}

bool SameAsciiIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

}  // namespace rules
