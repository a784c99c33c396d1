#pragma once

#include <optional>
#include <string>

#include "rules/language/open_document.h"
#include "rules/language/text_places.h"

namespace rules::language {

struct Hover {
    std::string markdown;  // UTF-8
    TextRange range;       // what it is about
};

// What a place is about: on an advance's abbreviation or name (wherever it
// is named) or anywhere on its line, the advance: its name, epoch and
// category, what it needs by name, what it opens, the units it brings and
// retires. On a unit's line, its values under the Table page's headings,
// what it needs and what makes it obsolete. On a cosmic value's line, its
// key, value and allowed range.
std::optional<Hover> HoverAt(const OpenDocument& document, TextPoint place);

}  // namespace rules::language
