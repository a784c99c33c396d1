#pragma once

// Pairs the lines outside the records of two documents: the comparison's
// "other lines" and the merge's line-by-line part.

#include <string_view>
#include <vector>

#include "rules/compare/comparison.h"
#include "rules/document/line_store.h"

namespace rules {

class RulesDocument;

// The lines of a document that hold no record and no row of another
// section: comments, headers, section ends, and the lines a reader set
// aside.
struct FreeLines {
    std::vector<int> index;

    explicit FreeLines(const RulesDocument& document);
    int Size() const { return static_cast<int>(index.size()); }
    // The text of free line k, read from the document's lines: not copied,
    // so that two files of a million lines cost only their indexes.
    std::string_view Text(int k) const { return store->GetLine(index[static_cast<std::size_t>(k)]); }

    const LineStore* store;
};

// Matches the free lines of two files as a reader would: lines that occur
// once in each part still to be matched anchor it (the longest run of them
// in the same order in both), the parts between anchors are matched the same
// way, and what is left in a part that has no anchor pairs up line by line
// (a changed line); the surplus is lines one file has and the other lacks.
// This keeps an inserted comment from making every later line "differ", and
// stays near-linear on files of a few thousand lines.
class LineMatcher {
  public:
    // Differing lines go to `out`; when given, the lines matched unchanged go
    // to `same`.
    LineMatcher(const FreeLines& base, const FreeLines& other, std::vector<LineDifference>& out,
                std::vector<LineDifference>* same = nullptr)
        : a_(base), b_(other), out_(out), same_(same) {}

    // A part left without an anchor first pairs its equal lines (the longest
    // run of them in the same order), then pairs what is left between them.
    // For a merge, which must not take a blank line for a changed comment.
    void PairEqualLinesFirst() { exact_ = true; }

    void Run() { Match(0, a_.Size(), 0, b_.Size(), 0); }
    // Matches free lines [a0, a1) of the base with [b0, b1) of the other.
    void Match(int a0, int a1, int b0, int b1) { Match(a0, a1, b0, b1, 0); }

  private:
    struct Anchor {
        int a;
        int b;
    };

    void Match(int a0, int a1, int b0, int b1, int depth);
    void Same(int a, int b);
    void Unmatched(int a0, int a1, int b0, int b1);
    void PairedByPosition(int a0, int a1, int b0, int b1);
    std::vector<Anchor> Anchors(int a0, int a1, int b0, int b1) const;

    const FreeLines& a_;
    const FreeLines& b_;
    std::vector<LineDifference>& out_;
    std::vector<LineDifference>* same_;
    bool exact_ = false;
};

// The positions of the longest strictly increasing run of `values`, in order.
std::vector<int> LongestIncreasingRun(const std::vector<int>& values);

}  // namespace rules
