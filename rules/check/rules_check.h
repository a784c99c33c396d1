#pragma once

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

#include "rules/check/check_kinds.h"
#include "rules/check/problem.h"
#include "rules/document/rules_document.h"

namespace rules {

// Checks the document's tables as they are now (the cosmic values, the
// advances and the units, after any edits) and the lines the readers set
// aside, for whatever would make the game misread the rules or is likely a
// mistake. Errors come first, then warnings, each in file order. A problem
// that only follows from another (what waits on a circle of prerequisites)
// is a note of its cause rather than a problem of its own. Reports the
// kinds `choice` leaves on. Never changes the document. Runs in time linear
// in the records plus the prerequisite links, and in the square of the
// units.
Problems CheckRules(const RulesDocument& document, const CheckChoice& choice = {});

// The check in parts that depend on different things, for CheckState: the
// lines the readers set aside (changed only by reading the file), the three
// tables, and each other section. Each part is in the check's order.
struct PartsWanted {
    bool setAside = false;
    bool tables = false;
    std::vector<int> sections;  // of the other sections, 0-based
};
struct CheckParts {
    Problems setAside;
    Problems tables;
    std::vector<std::pair<int, Problems>> sections;
};
CheckParts CheckRuleParts(const RulesDocument& document, const CheckChoice& choice,
                          const PartsWanted& wanted);
// The check's order: errors first, each severity in file order.
bool ProblemBefore(const Problem& a, const Problem& b);
// Parts each in the check's order, merged into one list in that order; of
// two problems alike in order, the one of the earlier part comes first, as
// one sort of the parts one after the other would place them.
Problems MergeParts(std::initializer_list<const Problems*> parts);

// The error of a document that holds none of the @COSMIC, @CIVILIZE and
// @UNITS sections (an empty or a binary file, or another file altogether),
// which CheckRules would pass with three warnings; nothing for a rules file.
std::optional<Problem> NotARulesFile(const RulesDocument& document);

}  // namespace rules
