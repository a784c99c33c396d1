#include "rules/document/field_spans.h"

#include "rules/document/record_fields.h"

namespace rules {

namespace {

// [begin, end) without the spaces at either end; tabs stay, as squeezing
// keeps them.
FieldSpan Trimmed(std::string_view line, std::size_t begin, std::size_t end) {
    while (begin < end && line[begin] == ' ') ++begin;
    while (end > begin && line[end - 1] == ' ') --end;
    return {static_cast<int>(begin), static_cast<int>(end)};
}

// Where each field of the line ends: the offset of the delimiter after it,
// or the line's length for the last field and for fields whose delimiter
// is missing. Every field but the last ends at a comma, except an advance's
// category, which ends at the ";" before the abbreviation. A cosmic line's
// value ends at the first space.
std::vector<std::size_t> FieldEnds(SectionId section, std::string_view line) {
    const int count = FieldCount(section);
    std::vector<std::size_t> ends;
    ends.reserve(static_cast<std::size_t>(count));
    std::size_t start = 0;
    for (int field = 0; field < count; ++field) {
        const char delimiter =
            section == SectionId::Cosmic ? ' '
            : section == SectionId::Advances && field == static_cast<int>(AdvanceField::Category)
                ? ';'
                : ',';
        const bool last = section != SectionId::Cosmic && field == count - 1;
        std::size_t end = last || start > line.size() ? line.size() : line.find(delimiter, start);
        if (end == std::string_view::npos) end = line.size();
        ends.push_back(end);
        start = end + 1;
    }
    return ends;
}

}  // namespace

std::vector<FieldSpan> RecordFieldSpans(SectionId section, std::string_view line) {
    const std::vector<std::size_t> ends = FieldEnds(section, line);
    std::vector<FieldSpan> spans;
    spans.reserve(ends.size());
    std::size_t start = 0;
    for (const std::size_t end : ends) {
        spans.push_back(start > line.size() ? Trimmed(line, line.size(), line.size())
                                            : Trimmed(line, start, end));
        start = end + 1;
    }
    return spans;
}

int FieldAtColumn(SectionId section, std::string_view line, int column) {
    const std::vector<std::size_t> ends = FieldEnds(section, line);
    for (std::size_t field = 0; field < ends.size(); ++field) {
        if (column >= 0 && static_cast<std::size_t>(column) <= ends[field])
            return static_cast<int>(field);
        if (ends[field] >= line.size()) return static_cast<int>(field);
    }
    return static_cast<int>(ends.size()) - 1;
}

}  // namespace rules
