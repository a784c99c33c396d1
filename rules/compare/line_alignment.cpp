#include "rules/compare/line_alignment.h"

#include <algorithm>

#include "rules/compare/line_matcher.h"
#include "rules/document/rules_document.h"

namespace rules {

namespace {

std::size_t At(int index) { return static_cast<std::size_t>(index); }

struct LinePair {
    int base;
    int other;
};

// The lines of the records (and rows of other sections) both documents
// hold, in an order both files share (a section moved elsewhere in one file
// drops out).
std::vector<LinePair> SharedRecordLines(const RulesDocument& base, const RulesDocument& other,
                                       const RecordAlignment& records) {
    std::vector<LinePair> pairs;
    for (const SectionId section : {SectionId::Cosmic, SectionId::Advances, SectionId::Units}) {
        for (int record = 1; record <= RecordCount(base, section); ++record) {
            const int baseLine = RecordLine(base, section, record);
            const int otherLine = RecordLine(other, section, records.Of(section).Other(record));
            if (baseLine >= 0 && otherLine >= 0) pairs.push_back({baseLine, otherLine});
        }
    }
    for (int s = 0; s < base.Others().Count(); ++s) {
        const int t = base.Others().CounterpartIn(other.Others(), s);
        if (t < 0) continue;
        const SectionTable& a = base.Others().At(s);
        const SectionTable& b = other.Others().At(t);
        for (int row = 1; row <= a.RowCount(); ++row)
            if (const int counterpart = records.others[At(s)].Other(row); counterpart > 0)
                pairs.push_back({a.LineOf(row), b.LineOf(counterpart)});
    }
    std::sort(pairs.begin(), pairs.end(), [](LinePair a, LinePair b) { return a.base < b.base; });
    std::vector<int> otherLines;
    for (const LinePair& pair : pairs) otherLines.push_back(pair.other);
    std::vector<LinePair> kept;
    for (const int k : LongestIncreasingRun(otherLines)) kept.push_back(pairs[At(k)]);
    return kept;
}

int FreeLinesBefore(const FreeLines& lines, int line) {
    return static_cast<int>(std::lower_bound(lines.index.begin(), lines.index.end(), line) -
                            lines.index.begin());
}

}  // namespace

LineAlignment AlignLines(const RulesDocument& base, const RulesDocument& other,
                         const RecordAlignment& records) {
    const FreeLines baseLines(base);
    const FreeLines otherLines(other);
    std::vector<LineDifference> pairs;
    LineMatcher matcher(baseLines, otherLines, pairs, &pairs);
    matcher.PairEqualLinesFirst();
    int a0 = 0, b0 = 0;
    for (const LinePair& record : SharedRecordLines(base, other, records)) {
        const int a1 = FreeLinesBefore(baseLines, record.base);
        const int b1 = FreeLinesBefore(otherLines, record.other);
        matcher.Match(a0, a1, b0, b1);
        a0 = a1;
        b0 = b1;
    }
    matcher.Match(a0, baseLines.Size(), b0, otherLines.Size());

    LineAlignment alignment;
    alignment.toOther.assign(At(base.Lines().LineCount()), LineAlignment::kRecord);
    alignment.toBase.assign(At(other.Lines().LineCount()), LineAlignment::kRecord);
    for (const int line : baseLines.index) alignment.toOther[At(line)] = LineAlignment::kNone;
    for (const int line : otherLines.index) alignment.toBase[At(line)] = LineAlignment::kNone;
    for (const LineDifference& pair : pairs) {
        if (pair.baseLine >= 0) alignment.toOther[At(pair.baseLine)] = pair.otherLine;
        if (pair.otherLine >= 0) alignment.toBase[At(pair.otherLine)] = pair.baseLine;
    }
    return alignment;
}

}  // namespace rules
