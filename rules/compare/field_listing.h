#pragma once

// A rules file as one line per field, for line-based tools (a version
// control system's diff and log): a changed value then shows as one changed
// line that names its field, under the line that names its record (where
// git's hunk headers find it).

#include <string>
#include <vector>

namespace rules {

class RulesDocument;

// Every line of the parsed document in file order: a record's line becomes
// its label (`Unit "Ember Guard"`, `Advance "Kiln Firing" (Kln)`) followed
// by one indented line per field, in field order (`    attack 2`); a cosmic
// value stays one line (`Cosmic value RoadMove 3`); a row of another section
// becomes its label (`Row "Saltmarsh" of TERRAIN`) and one indented line per
// cell (`    column "defense" 1`); every other line stays as it is. Texts stay
// Windows-1252 bytes.
std::vector<std::string> FieldListing(const RulesDocument& document);

}  // namespace rules
