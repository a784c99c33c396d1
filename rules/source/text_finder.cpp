#include "rules/source/text_finder.h"

#include <algorithm>

#include "rules/document/cp1252.h"
#include "rules/source/written_lines.h"

namespace rules {

namespace {

const std::array<unsigned char, 256>& FoldTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int b = 0; b < 256; ++b) t[static_cast<std::size_t>(b)] = FoldCase(static_cast<unsigned char>(b));
        return t;
    }();
    return table;
}

inline unsigned char Fold(char c) { return FoldTable()[static_cast<unsigned char>(c)]; }

}  // namespace

TextFinder::TextFinder(std::string_view text) {
    folded_.reserve(text.size());
    for (const char c : text) folded_ += static_cast<char>(Fold(c));
    // Horspool's table: how far the last byte of a place tried lets the
    // search move on.
    const std::size_t m = folded_.size();
    skip_.fill(m == 0 ? 1 : m);
    for (std::size_t i = 0; i + 1 < m; ++i) skip_[static_cast<unsigned char>(folded_[i])] = m - 1 - i;
}

bool TextFinder::MatchesAt(std::string_view text, std::size_t at) const {
    for (std::size_t i = 0; i < folded_.size(); ++i)
        if (Fold(text[at + i]) != static_cast<unsigned char>(folded_[i])) return false;
    return true;
}

std::size_t TextFinder::Next(std::string_view text, std::size_t from) const {
    const std::size_t m = folded_.size();
    if (m == 0 || text.size() < m) return npos;
    const auto lastByte = static_cast<unsigned char>(folded_[m - 1]);
    for (std::size_t at = from; at + m <= text.size();) {
        const unsigned char last = Fold(text[at + m - 1]);
        if (last == lastByte && MatchesAt(text, at)) return at;
        at += skip_[last];
    }
    return npos;
}

std::size_t TextFinder::Previous(std::string_view text, std::size_t before) const {
    std::size_t found = npos;
    for (std::size_t at = Next(text); at != npos && at < before; at = Next(text, at + 1)) found = at;
    return found;
}

TextPlace FindText(const WrittenLines& lines, const TextFinder& finder, TextPlace from,
                   bool backwards, bool inclusive) {
    const int count = lines.LineCount();
    if (finder.Empty() || count == 0) return {};
    const int start = std::clamp(from.line, 0, count - 1);
    // The line searched first is searched again last, for the part of it on
    // the other side of where the search began.
    for (int step = 0; step <= count; ++step) {
        const int line = backwards ? ((start - step) % count + count) % count : (start + step) % count;
        const std::string_view text = lines.Line(line);
        std::size_t at;
        if (backwards) {
            const std::size_t before =
                step == 0 ? from.column + (inclusive ? 1 : 0) : TextFinder::npos;
            at = finder.Previous(text, step == count ? TextFinder::npos : before);
        } else {
            const std::size_t after = step == 0 ? from.column + (inclusive ? 0 : 1) : 0;
            at = finder.Next(text, step == count ? 0 : after);
        }
        if (at != TextFinder::npos) return {line, at};
    }
    return {};
}

std::size_t CountMatches(const WrittenLines& lines, const TextFinder& finder, std::size_t limit) {
    std::size_t found = 0;
    if (finder.Empty()) return 0;
    const int count = lines.LineCount();
    for (int line = 0; line < count && found < limit; ++line) {
        const std::string_view text = lines.Line(line);
        for (std::size_t at = finder.Next(text); at != TextFinder::npos && found < limit;
             at = finder.Next(text, at + 1))
            ++found;
    }
    return found;
}

}  // namespace rules
