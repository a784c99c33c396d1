// What the check's problems are called and the order they come in, shared
// by the whole check and the kept one.

#include <algorithm>

#include "rules/check/rules_check.h"
#include "rules/document/rules_document.h"

namespace rules {

std::optional<Problem> NotARulesFile(const RulesDocument& document) {
    if (document.HoldsRules()) return std::nullopt;
    Problem problem;
    problem.text = "no @COSMIC, @CIVILIZE or @UNITS section: this is not a rules file";
    problem.check = "not-a-rules-file";
    return problem;
}

const char* SeverityName(Severity severity) {
    switch (severity) {
        case Severity::Error: return "error";
        case Severity::Warning: return "warning";
        case Severity::Note: return "note";
    }
    return "";
}

const char* OtherRecordText(const Problem& problem) {
    if (problem.check == "outclassed-unit") return "The unit that outclasses it.";
    return "The first of the two: look-ups find this one.";
}

bool ProblemBefore(const Problem& a, const Problem& b) {
    if (a.severity != b.severity) return a.severity == Severity::Error;
    return a.line < b.line;
}

Problems MergeParts(std::initializer_list<const Problems*> parts) {
    std::size_t total = 0;
    for (const Problems* part : parts) total += part->size();
    Problems merged;
    merged.reserve(total);
    for (const Problems* part : parts) {
        const auto middle = static_cast<std::ptrdiff_t>(merged.size());
        merged.insert(merged.end(), part->begin(), part->end());
        // Stable: of two problems alike in order, the earlier part's first.
        std::inplace_merge(merged.begin(), merged.begin() + middle, merged.end(), ProblemBefore);
    }
    return merged;
}

}  // namespace rules
