#include "rules/check/quick_fixes.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "rules/check/check_context.h"
#include "rules/document/cp1252.h"

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

std::vector<QuickFix> QuickFixes(const RulesDocument& document, const Problem& problem) {
    std::vector<QuickFix> fixes;
    const FieldRef ref{problem.section, problem.record, problem.field};
    if (problem.record <= 0 || !IsValidField(document, ref)) {
        return fixes;
    }
    const std::string& text = FieldText(document, ref);
    const auto fix = [&](std::string title, std::string value) {
        fixes.push_back({std::move(title), {{ref, std::move(value)}}, problem.section,
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
            const ValueRange range = InfoOf(problem.section, problem.field).range;
            const long nearest = std::clamp<long>(*value, range.minimum, range.maximum);
            fix("Set to the nearest allowed value, " + std::to_string(nearest),
                std::to_string(nearest));
        }
    } else if (problem.check == "not-a-number") {
        const bool minusAllowed =
            problem.field >= 0 && InfoOf(problem.section, problem.field).MinusAllowed();
        // Only a fix that changes the table: a line read as "7x" already
        // holds 7 in it, and a save writes 7 once the unit changes.
        if (const std::string number = LeadingNumber(text, minusAllowed);
            !number.empty() && number != text)
            fix("Keep the leading number, " + number, number);
    } else if ((problem.check == "shared-abbreviation" || problem.check == "same-name") &&
               problem.other > 0) {
        fixes.push_back({"Show both", {}, problem.section, problem.other});
    }
    if (fixes.size() == 1) fixes.front().preferred = true;
    return fixes;
}

}  // namespace rules
