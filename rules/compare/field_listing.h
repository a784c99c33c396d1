#pragma once

// A rules file as one line per field, for line-based tools (a version
// control system's diff and log): a changed value then shows as one changed
// line that names its record and field.

#include <string>
#include <vector>

namespace rules {

class RulesDocument;

// Every line of the parsed document in file order: a record's line becomes
// one line per field, in field order (`Unit "Ember Guard" attack 2`,
// `Advance "Kiln Firing" (Kln) prerequisite 1 nil`, `Cosmic value RoadMove 3`);
// a row of another section becomes one line per cell
// (`Row "Saltmarsh" of TERRAIN column "defense" 1`); every other line stays
// as it is. Texts stay Windows-1252 bytes.
std::vector<std::string> FieldListing(const RulesDocument& document);

}  // namespace rules
