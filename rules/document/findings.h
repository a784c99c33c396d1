#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace rules {

enum class SectionId { Cosmic, Advances, Units };

// Something a section reader noticed and worked around; the editor lists
// these for the user after loading.
struct Finding {
    enum class Kind {
        MissingHeader,      // no "@KEYWORD" line: the section is empty
        MissingTerminator,  // no ";" line before the next header or the end
        MalformedLine,      // a data line whose fields cannot be read: left as it is
        OverCapacity,       // a data line beyond the table's room: left as it is
        HeaderLikeName,     // a name beginning with "@" would turn the line into a header
    };
    Kind kind;
    SectionId section;
    int line = -1;  // 0-based line index in the file, -1 when not tied to a line
};

// "@COSMIC", "@CIVILIZE", "@UNITS"
const char* SectionHeader(SectionId section);

// One line of English for the user, e.g.
// "Line 212 (@UNITS): fewer than 13 commas; the line was left as it is".
// Line numbers are shown 1-based, as a text editor counts them.
std::string Describe(const Finding& finding);
// What Describe says after the place, e.g. "fewer than 13 commas; the line
// was left as it is".
std::string FindingReason(const Finding& finding);
// The same for `lines` lines set aside alike, said once: "the table already
// holds its 54 units; they were left as they are".
std::string FindingReason(const Finding& first, std::size_t lines);

using Findings = std::vector<Finding>;

}  // namespace rules
