#include "rules/sections/row_line.h"

#include <optional>

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

// A cell as the in-place edit sees it: its value read exactly, and only the
// spaces next to it as its padding; a tab and what lies beyond it stay
// outside the field, so that they are copied as they stand.
ValueSpan PaddedBySpaces(std::string_view line, const CellSpan& cell) {
    int fieldBegin = cell.begin;
    while (fieldBegin > cell.fieldBegin && line[static_cast<std::size_t>(fieldBegin - 1)] == ' ') --fieldBegin;
    int fieldEnd = cell.end;
    while (fieldEnd < cell.fieldEnd && line[static_cast<std::size_t>(fieldEnd)] == ' ') ++fieldEnd;
    ValueSpan span;
    span.fieldBegin = fieldBegin;
    span.cellBegin = span.begin = cell.begin;
    span.cellEnd = span.end = cell.end;
    span.fieldEnd = fieldEnd;
    span.reading = ValueReading::Exact;
    return span;
}

// The row written plainly, "a, b, c ; comment": only for a line the
// in-place edit cannot take (more values than it handles).
std::string PlainRow(const RowText& row) {
    std::string line;
    for (std::size_t c = 0; c < row.values.size(); ++c) line += (c ? ", " : "") + row.values[c];
    if (row.hasComment || !row.comment.empty()) line += " ; " + row.comment;
    return line;
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
                        std::span<const Alignment> alignments, std::span<const CellChange> changes) {
    const std::size_t values = layout.values.size();
    std::vector<ValueSpan> spans;
    std::vector<Alignment> columns;
    for (std::size_t c = 0; c < values; ++c) {
        spans.push_back(PaddedBySpaces(line, layout.values[c]));
        columns.push_back(c < alignments.size() ? alignments[c] : Alignment::Left);
    }
    if (layout.semicolon >= 0) {
        spans.push_back(PaddedBySpaces(line, layout.comment));
        columns.push_back(Alignment::Left);
    }
    std::vector<FieldChange> edits;
    std::string_view addedComment;
    for (const CellChange& change : changes) {
        if (change.column < 0 || static_cast<std::size_t>(change.column) > values) continue;
        if (static_cast<std::size_t>(change.column) == values && layout.semicolon < 0)
            addedComment = change.text;  // no place of its own yet
        else
            edits.push_back({change.column, change.text});
    }
    // A comment written where there was none keeps a space from its ";".
    std::string spaced;
    for (FieldChange& edit : edits) {
        const CellSpan& comment = layout.comment;
        if (static_cast<std::size_t>(edit.field) != values || edit.text.empty() ||
            comment.fieldBegin != comment.fieldEnd)
            continue;
        spaced = " " + std::string(edit.text);
        edit.text = spaced;
    }
    std::optional<std::string> edited(line);
    if (!edits.empty()) edited = EditLine(columns, line, spans, edits);
    if (!edited) {
        RowText row = ReadRow(line);
        for (const FieldChange& edit : edits)
            (static_cast<std::size_t>(edit.field) == values ? row.comment
                                                            : row.values[static_cast<std::size_t>(edit.field)]) =
                std::string(edit.text);
        edited = PlainRow(row);
    }
    if (!addedComment.empty()) edited->append(" ; ").append(addedComment);
    return std::move(*edited);
}

}  // namespace rules
