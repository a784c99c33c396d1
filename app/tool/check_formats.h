#pragma once

// How `ovantra-rules check` writes what it found: the compilers' lines, a
// JSON array, or a SARIF log that code-scanning services and editors read.

#include <iosfwd>
#include <string>
#include <vector>

#include "rules/check/problem.h"

namespace tool {

enum class CheckFormat { Text, Json, Sarif };

// The problems of one file, under the name it was given as.
struct CheckedFile {
    std::string name;
    rules::Problems problems;
};

// FILE:LINE: SEVERITY: TEXT [check], each note after its cause.
void WriteCheckText(std::ostream& out, const CheckedFile& file);
// Writes the whole report once every file is checked.
void WriteCheckJson(std::ostream& out, const std::vector<CheckedFile>& files);
void WriteCheckSarif(std::ostream& out, const std::vector<CheckedFile>& files);

// Every check name with its severity, whether it is on by default, and its
// sentence, one a line.
void WriteCheckList(std::ostream& out);

}  // namespace tool
