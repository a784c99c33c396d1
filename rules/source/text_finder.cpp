#include "rules/source/text_finder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "rules/document/cp1252.h"
#include "rules/source/written_lines.h"

namespace rules {

namespace {

std::array<unsigned char, 256> MakeFoldTable() {
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[static_cast<std::size_t>(b)] = FoldCase(static_cast<unsigned char>(b));
    return table;
}

// Looked up for every byte a search reads: a plain table, made once.
const std::array<unsigned char, 256> kFold = MakeFoldTable();

inline unsigned char Fold(char c) { return kFold[static_cast<unsigned char>(c)]; }

}  // namespace

TextFinder::TextFinder(std::string_view text) {
    folded_.reserve(text.size());
    for (const char c : text) folded_ += static_cast<char>(Fold(c));
    if (folded_.empty()) return;
    // Each small letter has at most one capital: the two bytes a place may
    // start with, and the two it may end with.
    auto spellings = [](unsigned char folded) {
        std::array<unsigned char, 2> both{folded, folded};
        for (int b = 0; b < 256; ++b)
            if (kFold[static_cast<std::size_t>(b)] == folded && b != folded)
                both[1] = static_cast<unsigned char>(b);
        return both;
    };
    first_ = spellings(static_cast<unsigned char>(folded_.front()));
    last_ = spellings(static_cast<unsigned char>(folded_.back()));
}

bool TextFinder::MatchesAt(std::string_view text, std::size_t at) const {
    for (std::size_t i = 0; i < folded_.size(); ++i)
        if (Fold(text[at + i]) != static_cast<unsigned char>(folded_[i])) return false;
    return true;
}

// Sixteen places are tried at once: their first and last bytes are compared
// with both spellings of the text's first and last letter, and only places
// where both agree are compared in full. Reading 16 bytes at a time, as
// the processor's vector registers do, a search of a large file costs a
// few milliseconds whatever its words. Only bytes of the text are read.
std::size_t TextFinder::Next(std::string_view text, std::size_t from) const {
    const std::size_t m = folded_.size();
    if (m == 0 || from > text.size() || text.size() - from < m) return npos;
    using Bytes = unsigned char __attribute__((vector_size(16)));
    using Mask = signed char __attribute__((vector_size(16)));
    const Bytes first0 = Bytes{} + first_[0], first1 = Bytes{} + first_[1];
    const Bytes last0 = Bytes{} + last_[0], last1 = Bytes{} + last_[1];
    const std::size_t lastStart = text.size() - m;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    // The earliest place of block..block+15, not before `from`, whose first
    // and last bytes agree and which matches in full.
    auto tryBlock = [&](std::size_t block, std::size_t from) {
        Bytes head, tail;
        std::memcpy(&head, p + block, sizeof head);
        std::memcpy(&tail, p + block + m - 1, sizeof tail);
        const Mask hit = ((head == first0) | (head == first1)) & ((tail == last0) | (tail == last1));
        std::uint64_t halves[2];
        std::memcpy(halves, &hit, sizeof halves);
        if ((halves[0] | halves[1]) == 0) return npos;
        for (std::size_t k = block < from ? from - block : 0; k < 16; ++k)
            if (hit[k] && MatchesAt(text, block + k)) return block + k;
        return npos;
    };
    std::size_t at = from;
    if (lastStart - at < 15) {
        // Fewer than sixteen places: one by one.
        for (; at <= lastStart; ++at)
            if ((p[at] == first_[0] || p[at] == first_[1]) && MatchesAt(text, at)) return at;
        return npos;
    }
    for (; at + 15 <= lastStart; at += 16)
        if (const std::size_t found = tryBlock(at, at); found != npos) return found;
    // The last places: the sixteen that end the text, those tried already
    // left out, so that nothing past its end is read.
    return at <= lastStart ? tryBlock(lastStart - 15, at) : npos;
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
