#include "rules/language/editor_text.h"

#include <algorithm>

namespace rules::language {

int Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) return 4;
    if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
    if (lead >= 0xC0) return 2;
    return 1;
}

char32_t DecodeUtf8(std::string_view text, int length) {
    const auto byte = [&](int k) {
        return static_cast<unsigned char>(text[static_cast<std::size_t>(k)]);
    };
    if (length <= 1 || static_cast<std::size_t>(length) > text.size()) return byte(0);
    char32_t value = byte(0) & (0x7F >> length);
    for (int k = 1; k < length; ++k) value = (value << 6) | (byte(k) & 0x3F);
    return value;
}

namespace {

// The length of a character in the client's code units.
int Units(std::string_view text, int length, PositionEncoding encoding) {
    if (encoding == PositionEncoding::Utf8) return length;
    return DecodeUtf8(text, length) >= 0x10000 ? 2 : 1;
}

// The sequence length at `offset`, never past the end of `line`.
int SequenceAt(std::string_view line, std::size_t offset) {
    const int length = Utf8SequenceLength(static_cast<unsigned char>(line[offset]));
    return static_cast<int>(
        std::min<std::size_t>(static_cast<std::size_t>(length), line.size() - offset));
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view utf8, bool withLast) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t n = utf8.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = utf8[i];
        if (c != '\r' && c != '\n') continue;
        if (c == '\r' && i + 1 < n && utf8[i + 1] == '\n') ++i;
        lines.emplace_back(utf8.substr(start, i + 1 - start));
        start = i + 1;
    }
    if (withLast) lines.emplace_back(utf8.substr(start));
    return lines;
}

EditorText::EditorText(std::string_view utf8) : lines_(SplitLines(utf8, true)) {}

std::string EditorText::Utf8() const {
    std::size_t size = 0;
    for (const std::string& line : lines_) size += line.size();
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines_) text += line;
    return text;
}

std::string_view EditorText::Line(int line) const {
    if (line < 0 || line >= LineCount()) return {};
    std::string_view text = lines_[static_cast<std::size_t>(line)];
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    return text;
}

int EditorText::CharacterColumn(int line, int units, PositionEncoding encoding) const {
    const std::string_view text = Line(line);
    int characters = 0;
    int counted = 0;
    for (std::size_t offset = 0; offset < text.size();) {
        const int length = SequenceAt(text, offset);
        counted += Units(text.substr(offset), length, encoding);
        if (counted > units) break;
        ++characters;
        offset += static_cast<std::size_t>(length);
    }
    return characters;
}

int EditorText::UnitColumn(int line, int characters, PositionEncoding encoding) const {
    const std::string_view text = Line(line);
    int units = 0;
    std::size_t offset = 0;
    for (int k = 0; k < characters && offset < text.size(); ++k) {
        const int length = SequenceAt(text, offset);
        units += Units(text.substr(offset), length, encoding);
        offset += static_cast<std::size_t>(length);
    }
    return units;
}

std::pair<std::size_t, std::size_t> EditorText::Offset(TextPoint point) const {
    if (point.line < 0) return {0, 0};
    if (point.line >= LineCount())
        return {lines_.size() - 1, Line(LineCount() - 1).size()};
    const std::string_view text = Line(point.line);
    std::size_t offset = 0;
    for (int k = 0; k < point.column && offset < text.size(); ++k)
        offset += static_cast<std::size_t>(SequenceAt(text, offset));
    return {static_cast<std::size_t>(point.line), offset};
}

EditorText::LineChange EditorText::Replace(TextPoint from, TextPoint to, std::string_view utf8) {
    auto begin = Offset(from);
    auto end = Offset(to);
    if (end < begin) std::swap(begin, end);
    // A line ended by a lone CR joins an LF put at the start of the next
    // one into one break: that line is read again with the edit.
    std::size_t first = begin.first;
    if (first > 0 && lines_[first - 1].back() == '\r') --first;
    std::string edited;
    for (std::size_t k = first; k < begin.first; ++k) edited += lines_[k];
    edited.append(lines_[begin.first], 0, begin.second);
    edited += utf8;
    edited.append(lines_[end.first], end.second);
    // The last line edited keeps its own break, so the lines after it stay
    // as they are; only at the end of the text is the piece after the last
    // break a line.
    const bool last = end.first + 1 == lines_.size();
    std::vector<std::string> pieces = SplitLines(edited, last);
    const auto at = lines_.begin() + static_cast<std::ptrdiff_t>(first);
    const std::size_t removed = end.first + 1 - first;
    const std::size_t common = std::min(removed, pieces.size());
    std::move(pieces.begin(), pieces.begin() + static_cast<std::ptrdiff_t>(common), at);
    if (pieces.size() > removed)
        lines_.insert(at + static_cast<std::ptrdiff_t>(removed),
                      std::make_move_iterator(pieces.begin() + static_cast<std::ptrdiff_t>(common)),
                      std::make_move_iterator(pieces.end()));
    else
        lines_.erase(at + static_cast<std::ptrdiff_t>(common),
                     at + static_cast<std::ptrdiff_t>(removed));
    return {static_cast<int>(first), static_cast<int>(removed), static_cast<int>(pieces.size())};
}

}  // namespace rules::language
