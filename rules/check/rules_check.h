#pragma once

#include "rules/check/problem.h"
#include "rules/document/rules_document.h"

namespace rules {

// Checks the document's tables as they are now (the cosmic values, the
// advances and the units, after any edits) and the lines the readers set
// aside, for whatever would make the game misread the rules or is likely a
// mistake. Errors come first, then warnings, each in file order. Never
// changes the document. Runs in time linear in the records plus the
// prerequisite links.
Problems CheckRules(const RulesDocument& document);

}  // namespace rules
