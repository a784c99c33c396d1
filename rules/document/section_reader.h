#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "rules/document/findings.h"
#include "rules/document/line_store.h"
#include "rules/document/text_routines.h"

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

// True when a data line's first byte that is not a space is "@". Squeezing
// drops those leading spaces, so the record would be written back starting
// with "@" and the next reading would take that line for a section header.
inline bool StartsLikeHeader(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    return start != std::string_view::npos && text[start] == '@';
}

// Reads the records of one section into `records` (at most `capacity` of
// them), each remembering its line. Lines that give no record (beyond the
// capacity, malformed, or named like a header) stay as they are and are
// reported. `parse(text, record)` fills a record and says whether the line
// could be read.
template <typename Record, std::size_t N, typename Parse>
int ReadRecords(const LineStore& store, std::string_view keyword, SectionId section,
                Findings& findings, std::array<Record, N>& records, int capacity, int& count,
                SectionRange& range, Parse&& parse) {
    records.fill(Record{});
    count = 0;
    range = SectionRange{};
    range.first = WalkSection(store, keyword, section, findings,
                              [&](int line, std::string_view text) {
        if (count >= capacity) {
            findings.push_back({Finding::Kind::OverCapacity, section, line});
            return;
        }
        if (StartsLikeHeader(text)) {
            findings.push_back({Finding::Kind::HeaderLikeName, section, line});
            return;
        }
        Record& record = records[static_cast<std::size_t>(count)];
        if (!parse(text, record)) {
            record = Record{};
            findings.push_back({Finding::Kind::MalformedLine, section, line});
            return;
        }
        record.line = line;
        ++count;
        range.last = line;
    });
    return range.first;
}

// What each record held when its line was last read or saved, and that
// line's bytes. The writers render only records that differ from it, so the
// lines of untouched records keep their own spacing and comments.
template <typename Record, std::size_t N>
struct Baseline {
    std::array<Record, N> records;
    std::array<std::string, N> lines;

    void Take(const std::array<Record, N>& current, int count, const LineStore& store) {
        records = current;
        for (std::size_t k = 0; k < N; ++k) {
            lines[k] = static_cast<int>(k) < count && current[k].line >= 0
                           ? std::string(store.GetLine(current[k].line))
                           : std::string();
        }
    }
    bool Changed(const std::array<Record, N>& current, int number) const {
        const auto k = static_cast<std::size_t>(number - 1);
        return !(current.at(k) == records.at(k));
    }
};

// Writes records 1 to `count` back, each onto the line it was read from:
// the rendered record when it differs from its baseline, otherwise the
// line's own bytes (also after a change that was undone before saving).
template <typename Record, std::size_t N>
void WriteRecords(LineStore& store, const std::array<Record, N>& records, int count,
                  const Baseline<Record, N>& baseline) {
    for (int k = 0; k < count; ++k) {
        const Record& record = records[static_cast<std::size_t>(k)];
        if (record.line < 0) continue;
        if (baseline.Changed(records, k + 1))
            store.PutLine(record.line, record.Render());
        else if (store.GetLine(record.line) != baseline.lines[static_cast<std::size_t>(k)])
            store.PutLine(record.line, baseline.lines[static_cast<std::size_t>(k)]);
    }
}

}  // namespace rules::detail
