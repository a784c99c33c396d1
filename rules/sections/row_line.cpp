#include "rules/sections/row_line.h"

#include <algorithm>

namespace rules {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int Size(std::string_view text) { return static_cast<int>(text.size()); }

// The field line[fieldBegin, fieldEnd) without its outer spaces and tabs.
CellSpan Trimmed(std::string_view line, int fieldBegin, int fieldEnd) {
    int begin = fieldBegin;
    while (begin < fieldEnd && IsBlank(line[static_cast<std::size_t>(begin)])) ++begin;
    int end = fieldEnd;
    while (end > begin && IsBlank(line[static_cast<std::size_t>(end - 1)])) --end;
    if (begin == end) begin = end = fieldEnd;
    return {fieldBegin, begin, end, fieldEnd};
}

std::string Text(std::string_view line, const CellSpan& span) {
    return std::string(line.substr(static_cast<std::size_t>(span.begin),
                                   static_cast<std::size_t>(span.end - span.begin)));
}

// The spaces (not tabs: they would not keep a column) that run from `at`
// forwards, or backwards from just before `at` down to `limit`.
int SpacesAfter(const std::string& text, int at) {
    int n = 0;
    while (at + n < Size(text) && text[static_cast<std::size_t>(at + n)] == ' ') ++n;
    return n;
}
int SpacesBefore(const std::string& text, int at, int limit) {
    int n = 0;
    while (at - n - 1 >= limit && text[static_cast<std::size_t>(at - n - 1)] == ' ') ++n;
    return n;
}

// A value that grew by `grown` bytes (shrank, when negative) and now ends
// at `end`: padding after it, before its separator, then after a comma.
void KeepLeftColumn(std::string& out, int end, int fieldEnd, int grown) {
    const int after = SpacesAfter(out, end);
    const bool atLineEnd = end + after >= Size(out);
    const auto commaAt = [&](int at) { return at < Size(out) && out[static_cast<std::size_t>(at)] == ','; };
    if (grown > 0) {
        const int take = std::min(grown, after - 1);
        if (take > 0) {
            out.erase(static_cast<std::size_t>(end), static_cast<std::size_t>(take));
            grown -= take;
            fieldEnd -= take;
        }
        if (grown > 0 && commaAt(fieldEnd)) {
            const int more = std::min(grown, SpacesAfter(out, fieldEnd + 1) - 1);
            if (more > 0) out.erase(static_cast<std::size_t>(fieldEnd + 1), static_cast<std::size_t>(more));
        }
        return;
    }
    const auto room = static_cast<std::size_t>(-grown);
    if (after > 0 && !atLineEnd)
        out.insert(static_cast<std::size_t>(end), room, ' ');
    else if (after == 0 && end == fieldEnd && commaAt(fieldEnd) && SpacesAfter(out, fieldEnd + 1) > 0)
        out.insert(static_cast<std::size_t>(fieldEnd + 1), room, ' ');
}

// A number that grew or shrank, now starting at `begin`: padding before it.
void KeepRightColumn(std::string& out, int begin, int fieldBegin, int grown) {
    const int before = SpacesBefore(out, begin, fieldBegin);
    if (grown > 0) {
        const int take = std::min(grown, before - 1);
        if (take > 0) out.erase(static_cast<std::size_t>(begin - take), static_cast<std::size_t>(take));
    } else if (before > 0) {
        out.insert(static_cast<std::size_t>(begin), static_cast<std::size_t>(-grown), ' ');
    }
}

}  // namespace

bool IsRowLine(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] != ';';
}

RowText ReadRow(std::string_view line, RowLayout* layout) {
    RowLayout local;
    RowLayout& where = layout ? *layout : local;
    where = RowLayout{};
    RowText row;
    const std::size_t semicolon = line.find(';');
    const int valuesEnd = semicolon == std::string_view::npos ? Size(line) : static_cast<int>(semicolon);
    for (int start = 0;;) {
        const std::size_t comma = line.find(',', static_cast<std::size_t>(start));
        const int fieldEnd =
            comma == std::string_view::npos || static_cast<int>(comma) > valuesEnd ? valuesEnd
                                                                                   : static_cast<int>(comma);
        const CellSpan span = Trimmed(line, start, fieldEnd);
        where.values.push_back(span);
        row.values.push_back(Text(line, span));
        if (fieldEnd == valuesEnd) break;
        start = fieldEnd + 1;
    }
    if (semicolon == std::string_view::npos) {
        where.comment = {Size(line), Size(line), Size(line), Size(line)};
    } else {
        where.semicolon = valuesEnd;
        where.comment = Trimmed(line, valuesEnd + 1, Size(line));
        row.comment = Text(line, where.comment);
        row.hasComment = true;
    }
    return row;
}

std::string EditRowLine(std::string_view line, const RowLayout& layout,
                        const std::vector<ColumnStyle>& styles, std::span<const CellChange> changes) {
    std::vector<CellChange> ordered(changes.begin(), changes.end());
    // From the right: a change never moves what lies to its left, so the
    // spans read from the line stay true for the changes still to make.
    std::sort(ordered.begin(), ordered.end(),
              [](const CellChange& a, const CellChange& b) { return a.column > b.column; });
    std::string out(line);
    const int valueCount = static_cast<int>(layout.values.size());
    for (const CellChange& change : ordered) {
        if (change.column == valueCount) {
            const CellSpan& span = layout.comment;
            if (layout.semicolon < 0) {
                if (!change.text.empty()) out.append(" ; ").append(change.text);
            } else if (span.begin == span.end && span.fieldBegin == span.fieldEnd) {
                if (!change.text.empty()) out.insert(static_cast<std::size_t>(span.begin), " " + std::string(change.text));
            } else {
                out.replace(static_cast<std::size_t>(span.begin), static_cast<std::size_t>(span.end - span.begin),
                            change.text);
            }
            continue;
        }
        if (change.column < 0 || change.column > valueCount) continue;
        const CellSpan& span = layout.values[static_cast<std::size_t>(change.column)];
        const int grown = Size(change.text) - (span.end - span.begin);
        out.replace(static_cast<std::size_t>(span.begin), static_cast<std::size_t>(span.end - span.begin),
                    change.text);
        const ColumnStyle style = static_cast<std::size_t>(change.column) < styles.size()
                                      ? styles[static_cast<std::size_t>(change.column)]
                                      : ColumnStyle{};
        if (grown == 0 || !style.padded) continue;
        if (style.right)
            KeepRightColumn(out, span.begin, span.fieldBegin, grown);
        else
            KeepLeftColumn(out, span.begin + Size(change.text), span.fieldEnd + grown, grown);
    }
    return out;
}

}  // namespace rules
