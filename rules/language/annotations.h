#pragma once

#include <string>
#include <vector>

#include "rules/language/open_document.h"
#include "rules/language/text_places.h"

namespace rules::language {

// A word shown after an abbreviation: the advance's name.
struct InlayHint {
    TextPoint place;    // just after the abbreviation
    std::string label;  // UTF-8
};

// After each prerequisite, obsolete-by and unit prerequisite on the lines
// from `first` to `last`: the name of the advance it names ("Bronze
// Smithing"), "none" for "nil" and "never" for "no"; nothing after an
// abbreviation no advance has (its diagnostic says so).
std::vector<InlayHint> InlayHints(const OpenDocument& document, int first, int last);

// A line of text over a record: over each advance, what names it ("needed
// by 3 advances, 2 units"); over each unit, what it needs and what makes it
// obsolete.
struct CodeLens {
    TextRange range;
    std::string title;               // UTF-8
    std::vector<TextRange> targets;  // the places it counts
    std::string listing;             // those places, one line each, UTF-8
};
std::vector<CodeLens> CodeLenses(const OpenDocument& document);

}  // namespace rules::language
