#pragma once

#include <string>
#include <vector>

#include "rules/language/open_document.h"
#include "rules/language/text_places.h"

namespace rules::language {

// One entry of the file's outline; texts UTF-8.
struct Symbol {
    enum class Kind { Section, Advance, Unit, CosmicValue };
    Kind kind = Kind::Section;
    std::string name;
    std::string detail;   // an advance's abbreviation, a unit's role, a cosmic value
    TextRange range;      // the whole section or record line
    TextRange selection;  // its header or name
    std::vector<Symbol> children;
};

// The sections in file order, the three tables' sections with their
// records (cosmic values by key, advances and units by name).
std::vector<Symbol> Outline(const OpenDocument& document);

}  // namespace rules::language
