#pragma once

// How `ovantra-rules check` writes what it found: the compilers' lines, a
// JSON array, or a SARIF log that code-scanning services and editors read.

#include <iosfwd>
#include <string>
#include <vector>

#include "rules/check/problem.h"

namespace tool {

enum class CheckFormat { Text, Json, Sarif };

// The problems of one file, under the name it was given as (its bytes, which
// need not be UTF-8).
struct CheckedFile {
    std::string name;
    rules::Problems problems;
    // Why the file could not be read; empty when it was.
    std::string failure;
};

// FILE:LINE: SEVERITY: TEXT [check], each note after its cause. A file that
// could not be read writes nothing here: the error stream says why.
void WriteCheckText(std::ostream& out, const CheckedFile& file);
// Write the whole report once every file is checked. A file that could not
// be read is an entry of severity error and no check in JSON, and a failed
// invocation with its notification in SARIF.
void WriteCheckJson(std::ostream& out, const std::vector<CheckedFile>& files);
// `directory` is the absolute working directory, against which the relative
// names are read; `exitStatus` the tool's.
void WriteCheckSarif(std::ostream& out, const std::vector<CheckedFile>& files,
                     const std::string& directory, int exitStatus);

// Every check name with its severity, whether it is on by default, and its
// sentence, one a line.
void WriteCheckList(std::ostream& out);

}  // namespace tool
