#pragma once

#include <string>
#include <utility>
#include <vector>

#include "rules/check/problem.h"
#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"

namespace rules {

// A change that mends a problem: fields to set, as one step, and the record
// to show afterwards. A fix without edits only shows records.
struct QuickFix {
    std::string title;  // "Set to nil", UTF-8
    std::vector<std::pair<FieldRef, std::string>> edits;  // values as the file holds them
    SectionId section = SectionId::Advances;
    int record = 0;
    // The fix that most likely does what was meant (a close match for an
    // unknown advance, or the only fix there is); at most one per problem.
    bool preferred = false;
};

// What mends `problem`, a problem CheckRules found in `document` as it is
// now; nothing for kinds that have no mechanical fix.
std::vector<QuickFix> QuickFixes(const RulesDocument& document, const Problem& problem);

// The number of single-character insertions, deletions and replacements
// that turn `a` into `b`, ignoring ASCII case.
int EditDistance(std::string_view a, std::string_view b);

}  // namespace rules
