#pragma once

// What saving may change on a record's line when some of its values
// changed: those values' characters and the spaces next to them, nothing
// else; and when one value changed and its column's padding had room, no
// later column moves. Shared by the property test and the fuzz target.

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/advance_table.h"
#include "rules/document/cosmic_section.h"
#include "rules/document/line_edit.h"
#include "rules/document/unit_table.h"

namespace rules::testing {

// Where the values stand on a line, as the section's reader finds them
// (nothing for a line it does not read).
inline std::vector<ValueSpan> LayoutOf(SectionId section, std::string_view line) {
    if (section == SectionId::Units) {
        UnitRecord unit;
        UnitLayout layout;
        if (!UnitTable::ParseLine(line, unit, &layout)) return {};
        return {layout.begin(), layout.end()};
    }
    if (section == SectionId::Advances) {
        AdvanceRecord advance;
        AdvanceLayout layout;
        if (!AdvanceTable::ParseLine(line, advance, &layout)) return {};
        return {layout.begin(), layout.end()};
    }
    ValueSpan span;
    CosmicSection::ParseValue(line, span);
    return {span};
}

// Empty when `after` is `before` with only the fields `changed` (and the
// spaces beside them) edited; otherwise what else differs.
inline std::string OnlyChangedValuesMoved(SectionId section, std::string_view before,
                                          std::string_view after, const std::set<int>& changed) {
    const std::vector<ValueSpan> old = LayoutOf(section, before);
    const std::vector<ValueSpan> now = LayoutOf(section, after);
    if (old.size() != now.size() || old.empty()) return "not read as the same kind of line";
    const auto cell = [](std::string_view line, const ValueSpan& s) {
        return line.substr(static_cast<std::size_t>(s.cellBegin),
                           static_cast<std::size_t>(s.cellEnd - s.cellBegin));
    };
    // The bytes between a field's spaces and the next field's: a
    // separator, the comment after a cosmic value.
    const auto gap = [](std::string_view line, const std::vector<ValueSpan>& l, std::size_t i) {
        const std::size_t next = i + 1 < l.size() ? static_cast<std::size_t>(l[i + 1].fieldBegin)
                                                  : line.size();
        return line.substr(static_cast<std::size_t>(l[i].fieldEnd),
                           next - static_cast<std::size_t>(l[i].fieldEnd));
    };
    const auto lead = [](const ValueSpan& s) { return s.cellBegin - s.fieldBegin; };
    const auto trail = [](const ValueSpan& s) { return s.fieldEnd - s.cellEnd; };
    for (std::size_t i = 0; i < old.size(); ++i) {
        const std::string field = "field " + std::to_string(i);
        const bool mine = changed.count(static_cast<int>(i)) == 1;
        const bool leftOfMine = i > 0 && changed.count(static_cast<int>(i) - 1) == 1;
        if (gap(before, old, i) != gap(after, now, i)) return "the text after " + field;
        if (mine) continue;
        if (cell(before, old[i]) != cell(after, now[i])) return field + ", which did not change";
        if (trail(old[i]) != trail(now[i])) return "the spaces after " + field;
        if (!leftOfMine && lead(old[i]) != lead(now[i])) return "the spaces before " + field;
    }
    if (changed.size() != 1) return {};

    // One changed value whose padding had room: every later column stays.
    const auto i = static_cast<std::size_t>(*changed.begin());
    const int grown = (now[i].cellEnd - now[i].cellBegin) - (old[i].cellEnd - old[i].cellBegin);
    const auto room = [](int spaces) { return spaces > 0 ? spaces - 1 : 0; };
    const bool trailPads = static_cast<std::size_t>(old[i].fieldEnd) < before.size();
    const int spacesAfter = trailPads ? trail(old[i]) : 0;
    const int next = i + 1 < old.size() ? lead(old[i + 1]) : 0;
    const bool right = ColumnAlignment(section, static_cast<int>(i)) == Alignment::Right;
    const int available = right ? room(lead(old[i])) + room(spacesAfter) : room(spacesAfter) + room(next);
    if (old[i].cellBegin == old[i].cellEnd || grown > available) return {};
    for (std::size_t j = i + 1; j < old.size(); ++j)
        if (old[j].cellBegin != now[j].cellBegin) return "column " + std::to_string(j) + " moved";
    return {};
}

}  // namespace rules::testing
