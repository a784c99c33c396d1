#pragma once

#include <array>
#include <optional>
#include <span>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/findings.h"
#include "rules/document/line_edit.h"
#include "rules/document/line_store.h"
#include "rules/document/text_routines.h"
#include "rules/document/value_span.h"

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
// them), each remembering its line, and where each value stands on it in
// `layouts`. Lines that give no record (beyond the capacity, malformed, or
// named like a header) stay as they are and are reported. `parse(text,
// record, layout)` fills a record and says whether the line could be read.
template <typename Record, std::size_t N, typename Layout, typename Parse>
int ReadRecords(const LineStore& store, std::string_view keyword, SectionId section,
                Findings& findings, std::array<Record, N>& records, std::array<Layout, N>& layouts,
                int capacity, int& count, SectionRange& range, Parse&& parse) {
    // A layout is only ever read for records 1 to `count`, each filled below.
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
        const auto k = static_cast<std::size_t>(count);
        Record& record = records[k];
        if (!parse(text, record, &layouts[k])) {
            record = Record{};
            layouts[k] = Layout{};
            findings.push_back({Finding::Kind::MalformedLine, section, line});
            return;
        }
        record.line = line;
        ++count;
        range.last = line;
    });
    return range.first;
}

// What each record held when its line was last read or saved, that line's
// bytes, and where each value stands on it. The writers edit only the lines
// of records that differ from it, so untouched lines keep their bytes and
// changed ones everything but the changed values.
template <typename Record, std::size_t N, std::size_t Fields>
struct Baseline {
    using Layout = LineLayout<Fields>;
    std::array<Record, N> records;
    std::array<std::string, N> lines;
    std::array<Layout, N> layouts;

    // After reading: `layouts` are the readers' own.
    void Take(const std::array<Record, N>& current, int count, const LineStore& store) {
        records = current;
        for (std::size_t k = 0; k < N; ++k) {
            lines[k] = static_cast<int>(k) < count && current[k].line >= 0
                           ? std::string(store.GetLine(current[k].line))
                           : std::string();
        }
    }
    // After saving: the lines written anew are read for their layout.
    template <typename Parse>
    void TakeSaved(const std::array<Record, N>& current, int count, const LineStore& store,
                   Parse&& parse) {
        for (std::size_t k = 0; static_cast<int>(k) < count; ++k) {
            if (current[k].line < 0) continue;
            const std::string_view now = store.GetLine(current[k].line);
            if (now == lines[k]) continue;
            lines[k] = std::string(now);
            Record reread;
            if (!parse(now, reread, &layouts[k])) layouts[k] = Layout{};
        }
        records = current;
    }
    // Takes `line` as record k's (0-based) saved line when it reads as the
    // very same record, only spaced otherwise (aligned columns).
    template <typename Parse>
    bool Respace(std::size_t k, std::string line, Parse&& parse) {
        Record reread;
        Layout layout;
        reread.line = records.at(k).line;
        if (!IsDataLine(line) || StartsLikeHeader(line) || !parse(line, reread, &layout) ||
            !(reread == records[k]))
            return false;
        lines[k] = std::move(line);
        layouts[k] = layout;
        return true;
    }
    // Record k (0-based) read again from its line's new text, as the
    // reader reads a line: what it holds now and what it was read as. False,
    // and nothing changes, when the text would give the reader no record.
    template <typename Parse>
    bool Reread(std::array<Record, N>& current, std::size_t k, std::string_view text,
                Parse&& parse) {
        Record reread;
        Layout layout;
        if (!IsDataLine(text) || StartsLikeHeader(text) || !parse(text, reread, &layout))
            return false;
        reread.line = current.at(k).line;
        current[k] = reread;
        records[k] = std::move(reread);
        lines[k] = std::string(text);
        layouts[k] = layout;
        return true;
    }
    bool Changed(const std::array<Record, N>& current, int number) const {
        const auto k = static_cast<std::size_t>(number - 1);
        return !(current.at(k) == records.at(k));
    }
    // Where each field lives in a record, in field order (from the field
    // table; looked up once, not per field).
    using Members = std::array<std::string Record::*, Fields>;

    // The line record `number` is written as now: its saved line when it
    // is unchanged, that line edited in place, or, where that cannot be
    // done, the record in its designed form.
    std::string LineNow(SectionId section, const Members& members,
                        const std::array<Record, N>& current, int number) const {
        const auto k = static_cast<std::size_t>(number - 1);
        std::string line;
        if (!Edited(section, members, current, k, line)) return lines[k];
        return line;
    }
    // False when record `k` (0-based) holds its saved values; otherwise its
    // line as saving writes it now.
    bool Edited(SectionId section, const Members& members, const std::array<Record, N>& current,
                std::size_t k, std::string& line) const {
        // The changed fields' numbers, then the changes (a few, usually one).
        std::array<unsigned char, Fields> which;
        std::size_t changed = 0;
        for (std::size_t f = 0; f < Fields; ++f)
            if (current[k].*members[f] != records[k].*members[f])
                which[changed++] = static_cast<unsigned char>(f);
        if (changed == 0) return false;
        std::array<FieldChange, 4> few;
        std::vector<FieldChange> many;
        std::span<FieldChange> changes(few.data(), changed);
        if (changed > few.size()) {
            many.resize(changed);
            changes = many;
        }
        for (std::size_t c = 0; c < changed; ++c)
            changes[c] = {which[c], current[k].*members[which[c]]};
        std::optional<std::string> edited;
        if (layouts[k][0].Known()) edited = EditLine(section, lines[k], layouts[k], changes);
        if (edited)
            line = std::move(*edited);
        else
            line = current[k].Render();
        return true;
    }
};

// Writes records 1 to `count` back, each onto the line it was read from (see
// Baseline::LineNow); an unchanged record's line gets back its own bytes,
// also after a change that was undone before saving.
template <typename Record, std::size_t N, std::size_t Fields>
void WriteRecords(LineStore& store, SectionId section,
                  const typename Baseline<Record, N, Fields>::Members& members,
                  const std::array<Record, N>& records, int count,
                  const Baseline<Record, N, Fields>& baseline) {
    std::string edited;
    for (int k = 0; k < count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const Record& record = records[i];
        if (record.line < 0) continue;
        // The whole-record comparison first: the quick answer for the many
        // records that did not change.
        if (baseline.Changed(records, k + 1) &&
            baseline.Edited(section, members, records, i, edited))
            store.PutLine(record.line, std::move(edited));
        else if (store.GetLine(record.line) != baseline.lines[i])
            store.PutLine(record.line, baseline.lines[i]);
    }
}

}  // namespace rules::detail
