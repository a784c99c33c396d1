#pragma once

#include <span>
#include <unordered_map>
#include <vector>

#include "rules/check/problem.h"
#include "rules/document/findings.h"

namespace rules {

class RulesDocument;

// A record of the three sections, as a line holds it.
struct LineRecord {
    SectionId section = SectionId::Units;
    int record = 0;  // 1-based; a cosmic value's position 1 to 21
};

// What the Source page marks on the lines of a file: the record each line
// of the three sections holds, and the problems of the check on each line.
class LineMarks {
public:
    // A problem tied to no line but to a record is marked on the record's
    // line; what follows from a problem (its notes) is marked on its own
    // line too.
    void Take(const RulesDocument& document, const Problems& problems);

    // The record on the line; nothing (record 0) for any other line, and
    // for a record the document no longer holds.
    LineRecord RecordAt(int line) const;
    // The record's line, or -1.
    int LineOf(SectionId section, int record) const;
    // The problems marked on the line, errors first, in the check's order.
    std::span<const Problem> ProblemsAt(int line) const;
    bool HasProblems(int line) const { return problems_.count(line) != 0; }
    // Lines with problems, in file order.
    const std::vector<int>& ProblemLines() const { return problemLines_; }

private:
    std::unordered_map<int, LineRecord> records_;
    std::unordered_map<int, std::vector<Problem>> problems_;
    std::vector<int> problemLines_;
    const RulesDocument* document_ = nullptr;
};

}  // namespace rules
