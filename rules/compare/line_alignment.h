#pragma once

// Every line of one rules document paired with its line in another, as a
// three-way merge needs them: records as AlignRecords pairs them, the other
// lines as the comparison pairs them.

#include <vector>

#include "rules/compare/record_alignment.h"

namespace rules {

class RulesDocument;

// For each line of the base its line in the other (the same text or
// changed), kNone when the other lacks it, kRecord for a record's line; and
// the same from the other to the base. Lines outside the records are paired
// as the comparison pairs them, with two differences that keep a merge from
// moving lines: they are never paired across the line of a record both hold,
// and equal lines are paired before what is left is taken for changed lines.
struct LineAlignment {
    static constexpr int kNone = -1;
    static constexpr int kRecord = -2;
    std::vector<int> toOther;
    std::vector<int> toBase;
};
LineAlignment AlignLines(const RulesDocument& base, const RulesDocument& other,
                         const RecordAlignment& records);

}  // namespace rules
