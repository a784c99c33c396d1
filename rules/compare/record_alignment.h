#pragma once

// Which record of one rules document is which record of another, as a
// three-way merge needs them: by what the records are, not where they stand.
// A unit is known by its name, an advance by its name or else its
// abbreviation, a row of another section by its first value; cosmic values
// keep their fixed slots. Between equal keys position decides, as a line
// diff pairs equal lines: the n-th record of a name with the n-th. Records
// left between two matched ones whose keys the other document lacks
// altogether, or holds a different number of times, pair by position when
// both sides hold as many there (a renamed record); everything else stays
// unpaired, so that a merge takes it for a record removed on one side and
// added on the other, and a change the other side made to it is a conflict.
// Records whose order one side changed are never guessed either.

#include <vector>

#include "rules/document/findings.h"

namespace rules {

class RulesDocument;

// The records of one table of the base and their counterparts in the other:
// 1-based record numbers, 0 for none.
struct RecordMap {
    std::vector<int> toOther;  // [record - 1] of the base
    std::vector<int> toBase;   // [record - 1] of the other

    int Other(int record) const { return toOther[static_cast<std::size_t>(record - 1)]; }
    int Base(int record) const { return toBase[static_cast<std::size_t>(record - 1)]; }
};

struct RecordAlignment {
    RecordMap cosmic, advances, units;
    // Per section of the base's other sections: its rows and those of its
    // counterpart (both empty when the other document lacks that section).
    std::vector<RecordMap> others;

    const RecordMap& Of(SectionId section) const {
        return section == SectionId::Cosmic ? cosmic : section == SectionId::Advances ? advances : units;
    }
};

RecordAlignment AlignRecords(const RulesDocument& base, const RulesDocument& other);

}  // namespace rules
