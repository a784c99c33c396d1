#pragma once

#include <string>
#include <vector>

#include "rules/document/findings.h"

namespace rules {

enum class Severity {
    Error,    // the game, or the editor's own look-ups, would go wrong
    Warning,  // likely a mistake
};

// One thing the rules check found.
struct Problem {
    Severity severity = Severity::Error;
    SectionId section = SectionId::Advances;
    // 1-based number of the advance or unit, or position (1 to 21) of the
    // cosmic value; 0 when the problem belongs to no record.
    int record = 0;
    // 0-based line in the file; -1 when the problem is tied to no line.
    int line = -1;
    // One English sentence, UTF-8, naming the records involved.
    std::string text;

    bool operator==(const Problem&) const = default;
};

using Problems = std::vector<Problem>;

const char* SeverityName(Severity severity);  // "error", "warning"

}  // namespace rules
