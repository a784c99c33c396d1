#pragma once

#include <string>
#include <vector>

#include "rules/check/check_kinds.h"
#include "rules/check/problem.h"
#include "rules/language/open_document.h"
#include "rules/language/text_places.h"

namespace rules::language {

// Another place that explains a diagnostic: what only follows from it (a
// note), or the record it collides with.
struct RelatedPlace {
    TextRange range;
    std::string message;  // UTF-8
};

// One problem of the rules check, placed in the text.
struct Diagnostic {
    TextRange range;  // the field at fault, or the record's line
    Severity severity = Severity::Error;
    std::string code;     // the check's name, "prerequisite-circle"
    std::string message;  // UTF-8
    std::vector<RelatedPlace> related;
    Problem problem;  // what the check found, for its quick fixes
};

// The name of the diagnostic of a character the rules file cannot hold.
inline constexpr const char* kNotWindows1252 = "not-windows-1252";

// The rules check of the text as it stands, with the kinds `choice` leaves
// on, in the check's order (errors first), each problem's notes as related
// places; a text that is no rules file at all gets one error. Characters
// the rules file cannot hold come last, one error each (at most 100).
std::vector<Diagnostic> Diagnose(const OpenDocument& document, const CheckChoice& choice);

}  // namespace rules::language
