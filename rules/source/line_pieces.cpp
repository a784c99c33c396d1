#include "rules/source/line_pieces.h"

#include "rules/document/text_routines.h"

namespace rules {

namespace {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

PieceKind ValueKind(std::string_view value) {
    std::size_t at = 0;
    if (value.size() > 1 && (value[0] == '-' || value[0] == '+')) at = 1;
    return IsDigit(value[at]) ? PieceKind::Number : PieceKind::Text;
}

}  // namespace

void SplitLine(std::string_view line, bool abbreviationAfterSemicolon,
               std::vector<LinePiece>& pieces) {
    pieces.clear();
    const std::size_t n = line.size();
    if (n == 0) return;
    if (IsSectionHeader(line)) {
        pieces.push_back({PieceKind::Header, 0, n});
        return;
    }
    bool valueAfterSemicolon = abbreviationAfterSemicolon;
    std::size_t at = 0;
    auto add = [&](PieceKind kind, std::size_t end) {
        // Neighbours of one kind make one piece.
        if (!pieces.empty() && pieces.back().kind == kind && pieces.back().end == at)
            pieces.back().end = end;
        else
            pieces.push_back({kind, at, end});
        at = end;
    };
    while (at < n) {
        const char c = line[at];
        if (c == ',' || IsBlank(c)) {
            std::size_t end = at + 1;
            while (end < n && (line[end] == ',' || IsBlank(line[end]))) ++end;
            add(PieceKind::Separator, end);
        } else if (c == ';') {
            if (!valueAfterSemicolon) {
                add(PieceKind::Comment, n);
                break;
            }
            valueAfterSemicolon = false;  // a second ";" starts a remark
            add(PieceKind::Separator, at + 1);
        } else {
            std::size_t end = at;
            while (end < n && line[end] != ',' && line[end] != ';') ++end;
            while (end > at && IsBlank(line[end - 1])) --end;  // blanks go to the separator
            add(ValueKind(line.substr(at, end - at)), end);
        }
    }
}

}  // namespace rules
