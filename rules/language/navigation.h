#pragma once

#include <optional>
#include <vector>

#include "rules/language/open_document.h"
#include "rules/language/text_places.h"

namespace rules::language {

// An advance at a place of the text, and how it is named there.
struct AdvanceAtPlace {
    enum class How { Abbreviation, Name, Mention };
    int advance = 0;  // its number in the table
    TextRange range;  // the text that names it
    How how = How::Mention;
};

// The advance named at a place: the abbreviation or the name on an
// advance's own line, or an abbreviation that names it elsewhere (a
// prerequisite, a unit's obsolete-by or prerequisite, a field of another
// section), found as the game's look-ups find it. The place may be just
// after the name.
std::optional<AdvanceAtPlace> AdvanceAt(const OpenDocument& document, TextPoint place);

// The line of the advance named at the place.
std::optional<TextRange> DefinitionAt(const OpenDocument& document, TextPoint place);

// Every place that names the advance named at the place, in file order;
// with `withDeclaration`, the advance's own abbreviation first.
std::vector<TextRange> ReferencesAt(const OpenDocument& document, TextPoint place,
                                    bool withDeclaration);

}  // namespace rules::language
