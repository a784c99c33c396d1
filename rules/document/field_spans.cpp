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

}  // namespace

std::vector<FieldSpan> RecordFieldSpans(SectionId section, std::string_view line) {
    const int count = FieldCount(section);
    std::vector<FieldSpan> spans;
    spans.reserve(static_cast<std::size_t>(count));
    if (section == SectionId::Cosmic) {
        const std::size_t space = line.find(' ');
        spans.push_back(Trimmed(line, 0, space == std::string_view::npos ? line.size() : space));
        return spans;
    }
    // Every field but the last ends at a comma, except an advance's category,
    // which ends at the ";" before the abbreviation.
    std::size_t start = 0;
    for (int field = 0; field < count; ++field) {
        if (start > line.size()) {
            spans.push_back(Trimmed(line, line.size(), line.size()));
            continue;
        }
        const bool last = field == count - 1;
        const char delimiter =
            section == SectionId::Advances && field == static_cast<int>(AdvanceField::Category)
                ? ';'
                : ',';
        std::size_t end = last ? line.size() : line.find(delimiter, start);
        if (end == std::string_view::npos) end = line.size();
        spans.push_back(Trimmed(line, start, end));
        start = end + 1;
    }
    return spans;
}

}  // namespace rules
