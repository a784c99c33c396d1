#pragma once

// The tool's JSON documents are built as values and written by one function,
// so that every string is escaped as JSON wants and is valid UTF-8.

#include <nlohmann/json.hpp>
#include <string>

#include "rules/document/findings.h"

namespace tool {

// Keeps the fields in the order they are set in, as the reference shows them.
using Json = nlohmann::ordered_json;

// The top level and the arrays directly in it one item a line, everything
// deeper on that item's line ({"file": "x", "line": 4, ...}): one problem or
// difference a line, for people and for grep. Ends with a line break.
std::string JsonLines(const Json& document);

// Every object and array indented on lines of their own, for the larger
// SARIF log. Ends with a line break.
std::string JsonIndented(const Json& document);

// A section as the JSON documents name it: "cosmic", "advances", "units".
const char* SectionKey(rules::SectionId section);

}  // namespace tool
