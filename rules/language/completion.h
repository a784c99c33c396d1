#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rules/language/open_document.h"
#include "rules/language/text_places.h"

namespace rules::language {

// One choice offered; texts UTF-8.
struct CompletionEntry {
    std::string label;       // the abbreviation, "nil" or "no"
    std::string detail;      // the advance's name, or what the word means
    std::string filterText;  // what the client matches the typed text against
    std::string sortText;    // the order to offer them in
};

struct Completion {
    TextRange replace;  // the field's text so far, the place typed at included
    std::vector<CompletionEntry> entries;
};

// Where an advance is expected (a prerequisite, a unit's obsolete-by or
// prerequisite, also on a line still being typed): "nil", "no" and every
// abbreviation with its advance's name. Typed text keeps the advances whose
// abbreviation or name holds it (letter case ignored), those whose
// abbreviation starts with it first; a match by name is offered with the
// typed text as its filter text, so that a client matching on prefixes
// keeps it. Nothing anywhere else.
std::optional<Completion> CompleteAt(const OpenDocument& document, TextPoint place);

}  // namespace rules::language
