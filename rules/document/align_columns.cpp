#include "rules/document/align_columns.h"

#include <algorithm>
#include <array>
#include <optional>
#include <type_traits>

#include "rules/document/line_edit.h"
#include "rules/document/rules_document.h"

namespace rules {

namespace {

std::string_view Cell(std::string_view line, const ValueSpan& span) {
    return line.substr(static_cast<std::size_t>(span.cellBegin),
                       static_cast<std::size_t>(span.cellEnd - span.cellBegin));
}

// A unit or advance line with its cells padded to the columns' widths.
template <std::size_t F>
std::string AlignedLine(SectionId section, std::string_view line, const LineLayout<F>& layout,
                        const std::array<std::size_t, F>& widths) {
    std::string out;
    out.reserve(line.size() + 16);
    std::size_t owed = 0;  // a left-aligned cell's padding, put after its separator
    for (std::size_t i = 0; i < F; ++i) {
        const std::string_view cell = Cell(line, layout[i]);
        const std::size_t room = widths[i] - cell.size();
        const bool right = ColumnAlignment(section, static_cast<int>(i)) == Alignment::Right;
        out.append((i > 0 ? 1 : 0) + owed + (right ? room : 0), ' ');
        out.append(cell);
        owed = right ? 0 : room;
        if (i + 1 == F) break;
        const auto from = static_cast<std::size_t>(layout[i].fieldEnd);
        const std::string_view separator =
            line.substr(from, static_cast<std::size_t>(layout[i + 1].fieldBegin) - from);
        if (separator == ";") out += ' ';
        out.append(separator);
    }
    return out;
}

// The changes that turn one record's values into another's.
template <typename Record, std::size_t F>
std::size_t Differences(const Record& from, const Record& to, std::array<FieldChange, F>& changes) {
    std::size_t count = 0;
    for (std::size_t f = 0; f < F; ++f) {
        const std::string& text = FieldOf(to, static_cast<int>(f));
        if (FieldOf(from, static_cast<int>(f)) != text) changes[count++] = {static_cast<int>(f), text};
    }
    return count;
}

template <typename Record>
bool SameValues(const Record& a, const Record& b) {
    Record copy = b;
    copy.line = a.line;
    return copy == a;
}

// Aligns the records of the units or the advances.
template <std::size_t F, typename Table, typename Parse>
void AlignTable(SectionId section, Table& table, LineStore& store, Parse&& parse,
                std::vector<int>& changed) {
    using Record = std::decay_t<decltype(table.At(1))>;
    struct Line {
        int number;
        std::string text;
        LineLayout<F> layout;
    };
    std::vector<Line> lines;
    std::array<std::size_t, F> widths{};
    for (int k = 1; k <= table.Count(); ++k) {
        if (table.At(k).line < 0) continue;
        Line line{k, table.LineNow(k), {}};
        Record reread;
        if (!parse(line.text, reread, &line.layout)) continue;
        for (std::size_t f = 0; f < F; ++f)
            widths[f] = std::max(widths[f], Cell(line.text, line.layout[f]).size());
        lines.push_back(std::move(line));
    }
    for (const Line& line : lines) {
        const Record& now = table.At(line.number);
        std::string aligned = AlignedLine(section, line.text, line.layout, widths);
        // An edited record's saved line may need aligning all the same.
        if (aligned == line.text && !table.Changed(line.number)) continue;
        Record reread;
        LineLayout<F> layout;
        if (!IsDataLine(aligned) || !parse(aligned, reread, &layout) || !SameValues(now, reread))
            continue;
        // The document keeps the line of the saved values; an unsaved edit
        // is then made on it, in place, when saving.
        if (table.Changed(line.number)) {
            std::array<FieldChange, F> back;
            const std::size_t count = Differences(now, table.Saved(line.number), back);
            std::optional<std::string> saved =
                EditLine(section, aligned, layout, std::span<const FieldChange>(back.data(), count));
            if (!saved) continue;
            aligned = std::move(*saved);
        }
        if (!table.Respace(line.number, std::move(aligned))) continue;
        std::string written = table.LineNow(line.number);
        if (written == line.text) continue;
        store.PutLine(now.line, std::move(written));
        changed.push_back(now.line);
    }
}

void AlignCosmic(CosmicSection& cosmic, Language language, LineStore& store,
                 std::vector<int>& changed) {
    struct Line {
        int position;
        std::string text;
        ValueSpan span;
    };
    std::vector<Line> lines;
    std::size_t width = 0;
    for (int k = 0; k < kCosmicCount; ++k) {
        if (cosmic.LineOf(k) < 0) continue;
        Line line{k, cosmic.LineNow(k, language), {}};
        CosmicSection::ParseValue(line.text, line.span);
        // A value with nothing after it has no comment to align.
        if (static_cast<std::size_t>(line.span.fieldEnd) == line.text.size()) continue;
        width = std::max(width, Cell(line.text, line.span).size());
        lines.push_back(std::move(line));
    }
    for (const Line& line : lines) {
        const std::string_view cell = Cell(line.text, line.span);
        std::string aligned(cell);
        aligned.append(width - cell.size() + 1, ' ');
        aligned.append(std::string_view(line.text).substr(static_cast<std::size_t>(line.span.fieldEnd)));
        if (aligned == line.text && !cosmic.Changed(line.position)) continue;
        ValueSpan span;
        const std::string& now = cosmic.Value(line.position);
        if (CosmicSection::ParseValue(aligned, span) != now) continue;
        if (cosmic.Changed(line.position)) {
            const FieldChange back{0, cosmic.SavedValue(line.position)};
            std::optional<std::string> saved =
                EditLine(SectionId::Cosmic, aligned, std::span<const ValueSpan>(&span, 1),
                         std::span<const FieldChange>(&back, 1));
            if (!saved) continue;
            aligned = std::move(*saved);
        }
        if (!cosmic.Respace(line.position, std::move(aligned))) continue;
        std::string written = cosmic.LineNow(line.position, language);
        if (written == line.text) continue;
        const int index = cosmic.LineOf(line.position);
        store.PutLine(index, std::move(written));
        changed.push_back(index);
    }
}

}  // namespace

std::vector<int> AlignColumns(RulesDocument& document) {
    std::vector<int> changed;
    if (!document.Parsed()) return changed;
    AlignCosmic(document.Cosmic(), document.GetLanguage(), document.Lines(), changed);
    AlignTable<static_cast<std::size_t>(AdvanceField::Count)>(
        SectionId::Advances, document.Advances(), document.Lines(),
        [](std::string_view text, AdvanceRecord& record, AdvanceLayout* layout) {
            return AdvanceTable::ParseLine(text, record, layout);
        },
        changed);
    AlignTable<static_cast<std::size_t>(UnitField::Count)>(
        SectionId::Units, document.Units(), document.Lines(),
        [](std::string_view text, UnitRecord& record, UnitLayout* layout) {
            return UnitTable::ParseLine(text, record, layout);
        },
        changed);
    std::sort(changed.begin(), changed.end());
    return changed;
}

}  // namespace rules
