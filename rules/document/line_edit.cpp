#include "rules/document/line_edit.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "rules/document/record_fields.h"
#include "rules/document/text_routines.h"

namespace rules {

namespace {
// More fields than any record line has (a unit's 14), and as many as the
// bit masks below hold: enough for the rows of any section.
constexpr std::size_t kMostFields = 32;
}  // namespace

Alignment ColumnAlignment(SectionId section, int field) {
    if (section == SectionId::Cosmic) return Alignment::Left;
    // Looked up once per section: saving asks for every changed value.
    static const auto kRight = [] {
        std::array<std::array<bool, kMostFields>, 3> right{};
        for (const SectionId s : {SectionId::Advances, SectionId::Units})
            for (int f = 0; f < FieldCount(s); ++f)
                right[static_cast<std::size_t>(s)][static_cast<std::size_t>(f)] = IsNumericField(s, f);
        return right;
    }();
    const bool right = field >= 0 && static_cast<std::size_t>(field) < kMostFields &&
                       kRight[static_cast<std::size_t>(section)][static_cast<std::size_t>(field)];
    return right ? Alignment::Right : Alignment::Left;
}

namespace {

// The line bytes one character of a value is read from: a digit, a
// character of text, or a run of spaces that reads as one space.
struct Piece {
    std::size_t begin;
    std::size_t end;
};

// The value as its reader reads the span, with the bytes of each character.
std::string ReadPieces(std::string_view line, const ValueSpan& span, std::vector<Piece>& pieces) {
    std::string value;
    pieces.clear();
    const auto end = static_cast<std::size_t>(span.end);
    for (auto i = static_cast<std::size_t>(span.begin); i < end;) {
        const char c = line[i];
        if (span.reading == ValueReading::Digits) {
            if (c >= '0' && c <= '9') {
                value += c;
                pieces.push_back({i, i + 1});
            }
            ++i;
            continue;
        }
        if (c != ' ') {
            value += c;
            pieces.push_back({i, ++i});
            continue;
        }
        // A text span starts and ends with a character that is not a space,
        // so every run inside it has neighbours on both sides.
        std::size_t run = i;
        while (run < end && line[run] == ' ') ++run;
        const auto delimiter = [](char d) { return d == ',' || d == ';'; };
        if (!delimiter(line[i - 1]) && !delimiter(line[run])) {
            value += ' ';
            pieces.push_back({i, run});
        }
        i = run;
    }
    return value;
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether the span's bytes are the value itself: digits alone, text
// without a space (nothing squeezed), or any value read exactly. Then each
// character is one byte.
bool SpanIsValue(std::string_view raw, ValueReading reading) {
    switch (reading) {
        case ValueReading::Digits: return AllDigits(raw);
        case ValueReading::Text: return raw.find(' ') == std::string_view::npos;
        case ValueReading::Exact: break;
    }
    return true;
}

// Appends to `out` the cell of a field whose value became `text`: only the
// characters between the longest common start and end of the old and the
// new value are replaced. When that would not read back as `text`, the
// whole value is.
void AppendNewCell(std::string_view line, const ValueSpan& span, std::string_view text,
                   std::string& out) {
    const auto cellBegin = static_cast<std::size_t>(span.cellBegin);
    const auto cellEnd = static_cast<std::size_t>(span.cellEnd);
    const auto begin = static_cast<std::size_t>(span.begin);
    const auto end = static_cast<std::size_t>(span.end);
    const std::string_view raw = line.substr(begin, end - begin);
    const auto common = [&](std::string_view old, std::size_t& head, std::size_t& tail) {
        const std::size_t shorter = std::min(old.size(), text.size());
        head = 0;
        while (head < shorter && old[head] == text[head]) ++head;
        tail = 0;
        while (tail < shorter - head && old[old.size() - 1 - tail] == text[text.size() - 1 - tail])
            ++tail;
    };
    const auto put = [&](std::size_t cut, std::size_t head, std::size_t tail, std::size_t resume) {
        out.append(line.substr(cellBegin, cut - cellBegin));
        out.append(text.substr(head, text.size() - head - tail));
        out.append(line.substr(resume, cellEnd - resume));
    };
    std::size_t head = 0;
    std::size_t tail = 0;
    if (SpanIsValue(raw, span.reading)) {
        // The usual case, and what the read gives back is `text` itself
        // (squeezed as it would be anywhere).
        common(raw, head, tail);
        put(begin + head, head, tail, end - tail);
        return;
    }
    static thread_local std::vector<Piece> pieces;
    const std::string old = ReadPieces(line, span, pieces);
    common(old, head, tail);
    // From the first differing character to the last; what is not read
    // around them (a letter among digits, a space by a ";") stays.
    const std::size_t differing = old.size() - tail;
    const std::size_t cut = head < old.size() ? pieces[head].begin : end;
    const std::size_t resume = differing > head ? pieces[differing - 1].end : cut;
    const std::size_t start = out.size();
    put(cut, head, tail, resume);
    if (span.reading == ValueReading::Text) {
        std::string reread = out.substr(start);
        SqueezeSpaces(reread);
        if (reread == text) return;
    } else if (AllDigits(text)) {
        return;
    }
    // Not readable piecewise (or not at all): the value replaces the span whole.
    out.resize(start);
    put(begin, 0, 0, end);
}

// Takes up to `need` spaces from a run, leaving one where there was one.
void TakeFrom(int& run, int& need) {
    const int taken = std::min(std::max(run - 1, 0), need);
    run -= taken;
    need -= taken;
}

}  // namespace

std::optional<std::string> EditLine(SectionId section, std::string_view line,
                                    std::span<const ValueSpan> layout,
                                    std::span<const FieldChange> changes) {
    const std::size_t count = layout.size();
    if (count == 0 || count > kMostFields) return std::nullopt;
    std::array<Alignment, kMostFields> alignments;
    for (std::size_t i = 0; i < count; ++i) alignments[i] = ColumnAlignment(section, static_cast<int>(i));
    std::optional<std::string> out =
        EditLine(std::span<const Alignment>(alignments.data(), count), line, layout, changes);
    if (!out) return out;
    // It must still be read as a record line at all: long enough, and not
    // starting like a section header (only the first field can make it so).
    if (!IsDataLine(*out)) return std::nullopt;
    const bool firstChanged = std::any_of(changes.begin(), changes.end(),
                                          [](const FieldChange& change) { return change.field == 0; });
    if (firstChanged) {
        const std::size_t first = out->find_first_not_of(' ');
        if (first != std::string::npos && (*out)[first] == '@') return std::nullopt;
    }
    return out;
}

std::optional<std::string> EditLine(std::span<const Alignment> alignments, std::string_view line,
                                    std::span<const ValueSpan> layout,
                                    std::span<const FieldChange> changes) {
    const std::size_t count = layout.size();
    if (count == 0 || count > kMostFields || alignments.size() != count) return std::nullopt;
    // The fields whose bytes change (a new cell, or other spaces around
    // it), one bit each; for those, the spaces before and after the cell
    // and, for a changed one, where its new cell stands in `cells`.
    std::uint32_t touched = 0;
    std::uint32_t changed = 0;
    std::array<int, kMostFields> lead;
    std::array<int, kMostFields> trail;
    std::array<std::size_t, kMostFields> cellAt;
    std::array<std::size_t, kMostFields> cellLength;
    const auto touch = [&](std::size_t i) -> bool {
        const ValueSpan& s = layout[i];
        if (touched & (1u << i)) return true;
        // A span that is not inside this line in order: no edit.
        if (!(0 <= s.fieldBegin && s.fieldBegin <= s.cellBegin && s.cellBegin <= s.begin &&
              s.begin <= s.end && s.end <= s.cellEnd && s.cellEnd <= s.fieldEnd &&
              static_cast<std::size_t>(s.fieldEnd) <= line.size()))
            return false;
        touched |= 1u << i;
        lead[i] = s.cellBegin - s.fieldBegin;
        trail[i] = s.fieldEnd - s.cellEnd;
        return true;
    };
    static thread_local std::string cells;
    cells.clear();
    for (const FieldChange& change : changes) {
        if (change.field < 0 || static_cast<std::size_t>(change.field) >= count) return std::nullopt;
        const auto i = static_cast<std::size_t>(change.field);
        if ((changed & (1u << i)) || !touch(i)) return std::nullopt;  // one change per field
        const ValueSpan& span = layout[i];
        changed |= 1u << i;
        cellAt[i] = cells.size();
        AppendNewCell(line, span, change.text, cells);
        cellLength[i] = cells.size() - cellAt[i];

        const Alignment alignment = alignments[i];
        // The spaces after the cell pad a column only when something follows
        // that a tab does not line up by itself.
        const bool trailPads = static_cast<std::size_t>(span.fieldEnd) < line.size() &&
                               line[static_cast<std::size_t>(span.fieldEnd)] != '\t';
        const bool emptyLeft = span.cellBegin == span.cellEnd && alignment == Alignment::Left;
        const int grown = static_cast<int>(cellLength[i]) - (span.cellEnd - span.cellBegin);
        // The next field's spaces, which a left-aligned value may use.
        int* next = nullptr;
        if (i + 1 < count && alignment == Alignment::Left && (grown != 0 || emptyLeft)) {
            if (!touch(i + 1)) return std::nullopt;
            next = &lead[i + 1];
        }
        if (emptyLeft) {
            // An empty text field has no place of its own: its value goes
            // right after the separator, one space on.
            const int keep = std::min(lead[i], i == 0 ? 0 : 1);
            trail[i] += lead[i] - keep;
            lead[i] = keep;
        }
        if (grown > 0) {
            int need = grown;
            if (alignment == Alignment::Right) {
                TakeFrom(lead[i], need);
                if (trailPads) TakeFrom(trail[i], need);
            } else {
                if (trailPads) TakeFrom(trail[i], need);
                if (next) TakeFrom(*next, need);
            }
        } else if (grown < 0) {
            if (alignment == Alignment::Right)
                lead[i] -= grown;
            else if (trailPads && (trail[i] > 0 || !next))
                trail[i] -= grown;
            else if (next)
                *next -= grown;
        }
    }

    // The stretches between the touched fields are copied whole.
    std::string out;
    out.reserve(line.size() + cells.size() + 8);
    std::size_t copied = 0;
    for (std::uint32_t left = touched; left != 0; left &= left - 1) {
        const auto i = static_cast<std::size_t>(std::countr_zero(left));
        const ValueSpan& span = layout[i];
        const auto fieldBegin = static_cast<std::size_t>(span.fieldBegin);
        if (fieldBegin < copied) return std::nullopt;  // fields out of order
        out.append(line.substr(copied, fieldBegin - copied));
        out.append(static_cast<std::size_t>(lead[i]), ' ');
        if (changed & (1u << i))
            out.append(cells, cellAt[i], cellLength[i]);
        else
            out.append(line.substr(static_cast<std::size_t>(span.cellBegin),
                                   static_cast<std::size_t>(span.cellEnd - span.cellBegin)));
        out.append(static_cast<std::size_t>(trail[i]), ' ');
        copied = static_cast<std::size_t>(span.fieldEnd);
    }
    out.append(line.substr(copied));
    return out;
}

}  // namespace rules
