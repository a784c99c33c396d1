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

EditorText::EditorText(std::string utf8) : text_(std::move(utf8)) { Index(); }

void EditorText::Index() {
    starts_.assign(1, 0);
    const std::size_t n = text_.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = text_[i];
        if (c == '\r') {
            if (i + 1 < n && text_[i + 1] == '\n') ++i;
            starts_.push_back(i + 1);
        } else if (c == '\n') {
            starts_.push_back(i + 1);
        }
    }
}

std::string_view EditorText::Line(int line) const {
    if (line < 0 || line >= LineCount()) return {};
    const std::size_t start = starts_[static_cast<std::size_t>(line)];
    std::size_t end = text_.size();
    if (line + 1 < LineCount()) {
        end = starts_[static_cast<std::size_t>(line) + 1] - 1;
        if (text_[end] == '\n' && end > start && text_[end - 1] == '\r') --end;
    }
    return std::string_view(text_).substr(start, end - start);
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

std::size_t EditorText::Offset(TextPoint point) const {
    if (point.line < 0) return 0;
    if (point.line >= LineCount()) return text_.size();
    const std::string_view text = Line(point.line);
    std::size_t offset = 0;
    for (int k = 0; k < point.column && offset < text.size(); ++k)
        offset += static_cast<std::size_t>(SequenceAt(text, offset));
    return starts_[static_cast<std::size_t>(point.line)] + offset;
}

void EditorText::Replace(TextPoint from, TextPoint to, std::string_view utf8) {
    std::size_t begin = Offset(from);
    std::size_t end = Offset(to);
    if (end < begin) std::swap(begin, end);
    text_.replace(begin, end - begin, utf8);
    Index();
}

}  // namespace rules::language
