#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace rules {

class WrittenLines;

// Finds a piece of Windows-1252 text in lines without regard to letter case
// (see FoldCase), sixteen places at a time.
class TextFinder {
public:
    explicit TextFinder(std::string_view text = {});

    bool Empty() const { return folded_.empty(); }
    std::size_t Size() const { return folded_.size(); }

    static constexpr std::size_t npos = std::string_view::npos;
    // Where the first match at or after `from` starts in `text`, or npos.
    std::size_t Next(std::string_view text, std::size_t from = 0) const;
    // Where the last match that starts before `before` starts, or npos.
    std::size_t Previous(std::string_view text, std::size_t before) const;

private:
    bool MatchesAt(std::string_view text, std::size_t at) const;

    std::string folded_;
    std::array<unsigned char, 2> first_{};  // the spellings of its first letter
    std::array<unsigned char, 2> last_{};   // and of its last
};

// A match: its line and the byte it starts at.
struct TextPlace {
    int line = -1;
    std::size_t column = 0;

    bool Found() const { return line >= 0; }
    bool operator==(const TextPlace&) const = default;
};

// The next match after `from` (the first at or after it when `inclusive`),
// or the previous one before it when `backwards`, going round the end of
// the file; nothing found when no line matches.
TextPlace FindText(const WrittenLines& lines, const TextFinder& finder, TextPlace from,
                   bool backwards, bool inclusive = false);
// How many matches the lines hold, counting no further than `limit`.
std::size_t CountMatches(const WrittenLines& lines, const TextFinder& finder, std::size_t limit);

}  // namespace rules
