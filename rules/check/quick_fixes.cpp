#include "rules/check/quick_fixes.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "rules/check/check_context.h"
#include "rules/document/cp1252.h"
#include "rules/sections/section_cells.h"

namespace rules {

namespace {

using check_detail::AdvanceLabel;
using check_detail::PlainNumber;

// "12" of "12x", "-3" of "-3.5" where a minus sign is allowed; nothing when
// the text does not start with a digit.
std::string LeadingNumber(const std::string& text, bool minusAllowed) {
    std::size_t end = minusAllowed && !text.empty() && text.front() == '-' ? 1 : 0;
    const std::size_t digits = end;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    return end > digits ? text.substr(0, end) : std::string();
}

// The advance whose abbreviation or name is closest to `text`, if one is
// close enough to be what was meant; `skip` is never proposed.
int ClosestAdvance(const AdvanceTable& advances, const std::string& text, int skip) {
    int best = 0, bestDistance = 0;
    const int limit = std::max(1, static_cast<int>(text.size()) / 2);
    for (int k = 1; k <= advances.Count(); ++k) {
        if (k == skip) continue;
        const AdvanceRecord& a = advances.At(k);
        const int distance = std::min(EditDistance(text, a.abbrev), EditDistance(text, a.name));
        if (distance <= limit && (best == 0 || distance < bestDistance)) {
            best = k;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace

int EditDistance(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    std::vector<int> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1,
                               diagonal + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

namespace {

std::string KeepTitle(const std::string& number) { return "Keep the leading number, " + number; }

// A cell of another section: only a number in a column of numbers is mended.
std::vector<QuickFix> CellFixes(const RulesDocument& document, const Problem& problem) {
    std::vector<QuickFix> fixes;
    if (problem.check != "not-a-number" || !IsValidCell(document, problem.cell)) return fixes;
    const std::string& text = CellText(document, problem.cell);
    if (const std::string number = LeadingNumber(text, true); !number.empty() && number != text) {
        fixes.push_back({KeepTitle(number), {}, {{problem.cell, number}}, {}, problem.section,
                         problem.record, true});
    }
    return fixes;
}

}  // namespace

std::vector<QuickFix> QuickFixes(const RulesDocument& document, const Problem& problem) {
    if (problem.cell.section >= 0) return CellFixes(document, problem);
    std::vector<QuickFix> fixes;
    const FieldRef ref{problem.section, problem.record, problem.field};
    if (problem.record <= 0 || !IsValidField(document, ref)) {
        return fixes;
    }
    const std::string& text = FieldText(document, ref);
    const auto fix = [&](std::string title, std::string value) {
        fixes.push_back({std::move(title), {{ref, std::move(value)}}, {}, {}, problem.section,
                         problem.record});
    };

    if (problem.check == "unknown-advance") {
        fix("Set to nil", "nil");
        const int skip = problem.section == SectionId::Advances ? problem.record : 0;
        if (const int k = ClosestAdvance(document.Advances(), text, skip)) {
            fix("Did you mean " + AdvanceLabel(document.Advances().At(k)) + "?",
                document.Advances().At(k).abbrev);
            fixes.back().preferred = true;
        }
    } else if (problem.check == "prerequisite-circle") {
        fix("Remove the prerequisite that closes the circle", "nil");
    } else if (problem.check == "out-of-range") {
        const std::optional<long> value = PlainNumber(text);
        if (value && problem.field >= 0) {
            const ValueRange range = InfoOf(ref).range;
            const long nearest = std::clamp<long>(*value, range.minimum, range.maximum);
            fix("Set to the nearest allowed value, " + std::to_string(nearest),
                std::to_string(nearest));
        }
    } else if (problem.check == "not-a-number") {
        // The number as its line holds it: a unit's "7x" and a cosmic "3x"
        // are 7 and 3 in the tables already, and only their lines say more.
        const std::string written = WrittenNumber(document, ref);
        const std::string number = LeadingNumber(written, InfoOf(ref).MinusAllowed());
        if (!number.empty() && number != written) {
            if (number != text) {
                fix(KeepTitle(number), number);
            } else if (std::optional<LineFix> line = KeepNumberOnLine(document, ref, number)) {
                fixes.push_back({KeepTitle(number), {}, {}, {std::move(*line)}, problem.section,
                                 problem.record});
            }
        }
    } else if ((problem.check == "shared-abbreviation" || problem.check == "same-name") &&
               problem.other > 0) {
        fixes.push_back({"Show both", {}, {}, {}, problem.section, problem.other});
    }
    if (fixes.size() == 1) fixes.front().preferred = true;
    return fixes;
}

}  // namespace rules
