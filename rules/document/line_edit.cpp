#include "rules/document/line_edit.h"

#include <algorithm>
#include <array>
#include <vector>

#include "rules/document/record_fields.h"
#include "rules/document/text_routines.h"

namespace rules {

Alignment ColumnAlignment(SectionId section, int field) {
    if (section == SectionId::Cosmic) return Alignment::Left;
    return IsNumericField(section, field) ? Alignment::Right : Alignment::Left;
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

// The cell of a field after its value became `text`: only the characters
// between the longest common start and end of the old and the new value are
// replaced. When that would not read back as `text`, the whole value is.
std::string NewCell(std::string_view line, const ValueSpan& span, std::string_view text) {
    static thread_local std::vector<Piece> pieces;
    const std::string old = ReadPieces(line, span, pieces);
    const std::size_t shorter = std::min(old.size(), text.size());
    std::size_t head = 0;
    while (head < shorter && old[head] == text[head]) ++head;
    std::size_t tail = 0;
    while (tail < shorter - head && old[old.size() - 1 - tail] == text[text.size() - 1 - tail])
        ++tail;
    const auto begin = static_cast<std::size_t>(span.begin);
    const auto end = static_cast<std::size_t>(span.end);
    // From the first differing character to the last; what is not read
    // around them (a letter among digits, a space by a ";") stays.
    const std::size_t differing = old.size() - tail;
    const std::size_t cut = head < old.size() ? pieces[head].begin : end;
    const std::size_t resume = differing > head ? pieces[differing - 1].end : cut;

    const auto cellBegin = static_cast<std::size_t>(span.cellBegin);
    std::string cell(line.substr(cellBegin, cut - cellBegin));
    cell.append(text.substr(head, text.size() - head - tail));
    cell.append(line.substr(resume, static_cast<std::size_t>(span.cellEnd) - resume));

    if (span.reading == ValueReading::Text) {
        std::string reread = cell;
        SqueezeSpaces(reread);
        // Otherwise the new value itself is squeezed differently
        // somewhere: written whole, it reads as it would anywhere.
        return reread == text ? cell : std::string(text);
    }
    if (AllDigits(text)) return cell;
    // Not digits: the value replaces the old digits whole.
    cell.assign(line.substr(cellBegin, begin - cellBegin));
    cell.append(text);
    cell.append(line.substr(end, static_cast<std::size_t>(span.cellEnd) - end));
    return cell;
}

bool Consistent(std::string_view line, std::span<const ValueSpan> layout) {
    int previous = 0;
    for (const ValueSpan& s : layout) {
        if (!(previous <= s.fieldBegin && s.fieldBegin <= s.cellBegin && s.cellBegin <= s.begin &&
              s.begin <= s.end && s.end <= s.cellEnd && s.cellEnd <= s.fieldEnd &&
              static_cast<std::size_t>(s.fieldEnd) <= line.size()))
            return false;
        previous = s.fieldEnd;
    }
    return !layout.empty();
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
    if (!Consistent(line, layout)) return std::nullopt;
    const std::size_t count = layout.size();
    // Per field: its spaces before and after, and its cell when it changed.
    constexpr std::size_t kMostFields = 16;
    if (count > kMostFields) return std::nullopt;
    std::array<int, kMostFields> lead{};
    std::array<int, kMostFields> trail{};
    std::array<std::optional<std::string>, kMostFields> cells;
    for (std::size_t i = 0; i < count; ++i) {
        lead[i] = layout[i].cellBegin - layout[i].fieldBegin;
        trail[i] = layout[i].fieldEnd - layout[i].cellEnd;
    }
    for (const FieldChange& change : changes) {
        if (change.field < 0 || static_cast<std::size_t>(change.field) >= count) return std::nullopt;
        const auto i = static_cast<std::size_t>(change.field);
        const ValueSpan& span = layout[i];
        if (cells[i]) return std::nullopt;  // one change per field
        cells[i] = NewCell(line, span, change.text);

        const Alignment alignment = ColumnAlignment(section, change.field);
        // The spaces after the cell pad a column only when something follows.
        const bool trailPads = static_cast<std::size_t>(span.fieldEnd) < line.size();
        int* next = i + 1 < count ? &lead[i + 1] : nullptr;
        if (span.cellBegin == span.cellEnd && alignment == Alignment::Left) {
            // An empty text field has no place of its own: its value goes
            // right after the separator, one space on.
            const int keep = std::min(lead[i], i == 0 ? 0 : 1);
            trail[i] += lead[i] - keep;
            lead[i] = keep;
        }
        const int grown = static_cast<int>(cells[i]->size()) - (span.cellEnd - span.cellBegin);
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

    std::string out;
    out.reserve(line.size() + 16);
    out.append(line.substr(0, static_cast<std::size_t>(layout[0].fieldBegin)));
    for (std::size_t i = 0; i < count; ++i) {
        const ValueSpan& span = layout[i];
        out.append(static_cast<std::size_t>(lead[i]), ' ');
        if (cells[i])
            out.append(*cells[i]);
        else
            out.append(line.substr(static_cast<std::size_t>(span.cellBegin),
                                   static_cast<std::size_t>(span.cellEnd - span.cellBegin)));
        out.append(static_cast<std::size_t>(trail[i]), ' ');
        const std::size_t next = i + 1 < count ? static_cast<std::size_t>(layout[i + 1].fieldBegin)
                                               : line.size();
        out.append(line.substr(static_cast<std::size_t>(span.fieldEnd),
                               next - static_cast<std::size_t>(span.fieldEnd)));
    }
    // It must still be read as a record line at all.
    const std::size_t first = out.find_first_not_of(' ');
    if (!IsDataLine(out) || (first != std::string::npos && out[first] == '@')) return std::nullopt;
    return out;
}

}  // namespace rules
