#include "rules/compare/line_matcher.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "rules/document/rules_document.h"

namespace rules {

namespace {

// Deep enough for any real file; a pathological one falls back to pairing
// line by line instead of recursing further.
constexpr int kMaxDepth = 64;
// The largest part without anchors whose equal lines are searched for one
// by one (its two lengths multiplied): a few hundred lines each way.
constexpr long kExactCells = 1L << 16;

}  // namespace

FreeLines::FreeLines(const RulesDocument& document) : store(&document.Lines()) {
    const LineStore& lines = document.Lines();
    std::vector<bool> held(static_cast<std::size_t>(lines.LineCount()), false);
    const auto hold = [&](int line) {
        if (line >= 0 && line < lines.LineCount()) held[static_cast<std::size_t>(line)] = true;
    };
    for (int k = 1; k <= document.Units().Count(); ++k) hold(document.Units().At(k).line);
    for (int k = 1; k <= document.Advances().Count(); ++k) hold(document.Advances().At(k).line);
    for (int p = 0; p < kCosmicCount; ++p) hold(document.Cosmic().LineOf(p));
    for (int s = 0; s < document.Others().Count(); ++s) {
        const SectionTable& section = document.Others().At(s);
        for (int row = 1; row <= section.RowCount(); ++row) hold(section.LineOf(row));
    }
    index.reserve(static_cast<std::size_t>(lines.LineCount()));
    for (int line = 0; line < lines.LineCount(); ++line) {
        if (held[static_cast<std::size_t>(line)]) continue;
        index.push_back(line);
    }
}

void LineMatcher::Match(int a0, int a1, int b0, int b1, int depth) {
    while (a0 < a1 && b0 < b1 && a_.Text(a0) == b_.Text(b0)) Same(a0++, b0++);
    while (a0 < a1 && b0 < b1 && a_.Text(a1 - 1) == b_.Text(b1 - 1)) Same(--a1, --b1);
    if (a0 == a1 || b0 == b1 || depth >= kMaxDepth) return Unmatched(a0, a1, b0, b1);
    const std::vector<Anchor> anchors = Anchors(a0, a1, b0, b1);
    if (anchors.empty()) return Unmatched(a0, a1, b0, b1);
    for (const Anchor& anchor : anchors) {
        Match(a0, anchor.a, b0, anchor.b, depth + 1);
        Same(anchor.a, anchor.b);
        a0 = anchor.a + 1;
        b0 = anchor.b + 1;
    }
    Match(a0, a1, b0, b1, depth + 1);
}

void LineMatcher::Same(int a, int b) {
    if (same_) same_->push_back({a_.index[a], b_.index[b]});
}

void LineMatcher::PairedByPosition(int a0, int a1, int b0, int b1) {
    const int paired = std::min(a1 - a0, b1 - b0);
    for (int k = 0; k < paired; ++k) out_.push_back({a_.index[a0 + k], b_.index[b0 + k]});
    for (int k = a0 + paired; k < a1; ++k) out_.push_back({a_.index[k], -1});
    for (int k = b0 + paired; k < b1; ++k) out_.push_back({-1, b_.index[k]});
}

void LineMatcher::Unmatched(int a0, int a1, int b0, int b1) {
    const long n = a1 - a0;
    const long m = b1 - b0;
    if (!exact_ || n == 0 || m == 0 || n * m > kExactCells) return PairedByPosition(a0, a1, b0, b1);
    // The longest common run of lines, by the textbook table: cell (i, j)
    // holds its length from a0 + i and b0 + j on.
    const auto width = static_cast<std::size_t>(m + 1);
    std::vector<std::uint16_t> longest(static_cast<std::size_t>(n + 1) * width, 0);
    const auto cell = [&](long i, long j) -> std::uint16_t& {
        return longest[static_cast<std::size_t>(i) * width + static_cast<std::size_t>(j)];
    };
    for (long i = n - 1; i >= 0; --i) {
        for (long j = m - 1; j >= 0; --j) {
            cell(i, j) = a_.Text(a0 + i) == b_.Text(b0 + j)
                             ? static_cast<std::uint16_t>(cell(i + 1, j + 1) + 1)
                             : std::max(cell(i + 1, j), cell(i, j + 1));
        }
    }
    long i = 0, j = 0, gapA = 0, gapB = 0;
    while (i < n && j < m) {
        if (a_.Text(a0 + i) == b_.Text(b0 + j) && cell(i, j) == cell(i + 1, j + 1) + 1) {
            PairedByPosition(a0 + static_cast<int>(gapA), a0 + static_cast<int>(i),
                             b0 + static_cast<int>(gapB), b0 + static_cast<int>(j));
            Same(a0 + static_cast<int>(i), b0 + static_cast<int>(j));
            gapA = ++i;
            gapB = ++j;
        } else if (cell(i + 1, j) >= cell(i, j + 1)) {
            ++i;
        } else {
            ++j;
        }
    }
    PairedByPosition(a0 + static_cast<int>(gapA), a1, b0 + static_cast<int>(gapB), b1);
}

// Lines found exactly once in a[a0, a1) and once in b[b0, b1), the
// longest chain of them in the same order in both.
std::vector<LineMatcher::Anchor> LineMatcher::Anchors(int a0, int a1, int b0, int b1) const {
    struct Seen {
        int inA = 0, inB = 0, a = -1, b = -1;
    };
    std::unordered_map<std::string_view, Seen> seen;
    seen.reserve(static_cast<std::size_t>(a1 - a0));
    for (int i = a0; i < a1; ++i) {
        Seen& s = seen[a_.Text(i)];
        ++s.inA;
        s.a = i;
    }
    for (int j = b0; j < b1; ++j) {
        const auto found = seen.find(b_.Text(j));
        if (found == seen.end()) continue;
        ++found->second.inB;
        found->second.b = j;
    }
    std::vector<Anchor> unique;
    for (int i = a0; i < a1; ++i) {
        const Seen& s = seen.find(a_.Text(i))->second;
        if (s.inA == 1 && s.inB == 1) unique.push_back({i, s.b});
    }
    std::vector<int> positions;
    positions.reserve(unique.size());
    for (const Anchor& anchor : unique) positions.push_back(anchor.b);
    std::vector<Anchor> chain;
    for (const int k : LongestIncreasingRun(positions)) chain.push_back(unique[static_cast<std::size_t>(k)]);
    return chain;
}

std::vector<int> LongestIncreasingRun(const std::vector<int>& values) {
    // Patience sorting: the smallest tail of a run of each length.
    std::vector<int> tails;
    std::vector<int> before(values.size(), -1);
    for (int k = 0; k < static_cast<int>(values.size()); ++k) {
        const auto at = std::lower_bound(tails.begin(), tails.end(), values[static_cast<std::size_t>(k)],
                                         [&](int t, int v) { return values[static_cast<std::size_t>(t)] < v; });
        if (at != tails.begin()) before[static_cast<std::size_t>(k)] = *(at - 1);
        if (at == tails.end())
            tails.push_back(k);
        else
            *at = k;
    }
    std::vector<int> run;
    for (int k = tails.empty() ? -1 : tails.back(); k >= 0; k = before[static_cast<std::size_t>(k)])
        run.push_back(k);
    std::reverse(run.begin(), run.end());
    return run;
}

}  // namespace rules
