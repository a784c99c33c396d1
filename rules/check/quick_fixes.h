#pragma once

#include <string>
#include <utility>
#include <vector>

#include "rules/check/problem.h"
#include "rules/check/written_numbers.h"
#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "rules/edits/edit_plan.h"

namespace rules {

// A change that mends a problem: fields, cells or lines to set, as one step,
// and the record to show afterwards. A fix without edits only shows records.
struct QuickFix {
    std::string title;  // "Set to nil", UTF-8
    std::vector<std::pair<FieldRef, std::string>> edits;  // values as the file holds them
    std::vector<CellEdit> cells;  // cells of the other sections
    // Lines whose values stay but whose text changes: what a reader that
    // keeps only the digits already dropped ("7x" that the table holds as 7).
    std::vector<LineFix> lines;
    SectionId section = SectionId::Advances;
    int record = 0;
    // The fix that most likely does what was meant (a close match for an
    // unknown advance, or the only fix there is); at most one per problem.
    bool preferred = false;

    bool Changes() const { return !edits.empty() || !cells.empty() || !lines.empty(); }
};

// What mends `problem`, a problem CheckRules found in `document` as it is
// now; nothing for kinds that have no mechanical fix.
std::vector<QuickFix> QuickFixes(const RulesDocument& document, const Problem& problem);

// The number of single-character insertions, deletions and replacements
// that turn `a` into `b`, ignoring ASCII case.
int EditDistance(std::string_view a, std::string_view b);

}  // namespace rules
