#pragma once

#include <string_view>

#include "rules/findings.h"
#include "rules/line_store.h"
#include "rules/text_routines.h"

namespace rules::detail {

// Walks the data lines of one section for the advances and units readers.
// The section runs from the line after its header to the first line that is
// exactly ";", the next section's header, or the end of the buffer, so an
// unclosed section never reaches into the one after it. `onDataLine(line,
// text)` is called for every line of more than 5 bytes. Returns `first`.
template <typename OnDataLine>
int WalkSection(const LineStore& store, std::string_view keyword, SectionId section,
                Findings& findings, OnDataLine&& onDataLine) {
    const int first = FindSection(store, keyword);
    const int count = store.LineCount();
    if (first > count) {
        findings.push_back({Finding::Kind::MissingHeader, section, -1});
        return first;
    }
    int line = first;
    for (; line < count; ++line) {
        const std::string_view text = store.GetLine(line);
        if (IsSectionEnd(text)) return first;
        if (IsSectionHeader(text)) break;
        if (IsDataLine(text)) onDataLine(line, text);
    }
    // Tied to the section's own header line, the one place it always has.
    findings.push_back({Finding::Kind::MissingTerminator, section, first - 1});
    return first;
}

}  // namespace rules::detail
