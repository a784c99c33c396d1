#include "rules/compare/comparison.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "rules/document/rules_document.h"

namespace rules {

namespace {

void CompareSection(const RulesDocument& base, const RulesDocument& other, SectionId section,
                    std::vector<RecordDifference>& out) {
    const int records = std::max(RecordCount(base, section), RecordCount(other, section));
    const int fields = FieldCount(section);
    for (int r = 1; r <= records; ++r) {
        const int baseLine = RecordLine(base, section, r);
        const int otherLine = RecordLine(other, section, r);
        if (baseLine < 0 && otherLine < 0) continue;
        RecordDifference difference;
        difference.section = section;
        difference.record = r;
        difference.baseLine = baseLine;
        difference.otherLine = otherLine;
        if (baseLine < 0 || otherLine < 0) {
            difference.presence = baseLine < 0 ? RecordDifference::Presence::OnlyInOther
                                               : RecordDifference::Presence::OnlyInBase;
        } else {
            for (int f = 0; f < fields; ++f) {
                const FieldRef ref{section, r, f};
                const std::string& before = FieldText(base, ref);
                const std::string& after = FieldText(other, ref);
                if (before != after) difference.fields.push_back({ref, before, after, otherLine});
            }
            if (difference.fields.empty()) continue;
        }
        const RulesDocument& known = baseLine >= 0 ? base : other;
        difference.name = RecordName(known, section, r);
        if (section == SectionId::Advances) difference.abbrev = known.Advances().At(r).abbrev;
        out.push_back(std::move(difference));
    }
}

// The lines of a document that hold no record: comments, headers, section
// ends, and the lines a reader set aside.
struct FreeLines {
    std::vector<int> index;
    std::vector<std::string_view> text;

    explicit FreeLines(const RulesDocument& document) {
        const LineStore& lines = document.Lines();
        std::vector<bool> held(static_cast<std::size_t>(lines.LineCount()), false);
        const auto hold = [&](int line) {
            if (line >= 0 && line < lines.LineCount()) held[static_cast<std::size_t>(line)] = true;
        };
        for (int k = 1; k <= document.Units().Count(); ++k) hold(document.Units().At(k).line);
        for (int k = 1; k <= document.Advances().Count(); ++k) hold(document.Advances().At(k).line);
        for (int p = 0; p < kCosmicCount; ++p) hold(document.Cosmic().LineOf(p));
        for (int line = 0; line < lines.LineCount(); ++line) {
            if (held[static_cast<std::size_t>(line)]) continue;
            index.push_back(line);
            text.push_back(lines.GetLine(line));
        }
    }
    int Size() const { return static_cast<int>(index.size()); }
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

    void Run() { Match(0, a_.Size(), 0, b_.Size(), 0); }

  private:
    // Deep enough for any real file; a pathological one falls back to
    // pairing line by line instead of recursing further.
    static constexpr int kMaxDepth = 64;

    struct Anchor {
        int a;
        int b;
    };

    void Match(int a0, int a1, int b0, int b1, int depth) {
        while (a0 < a1 && b0 < b1 && a_.text[a0] == b_.text[b0]) Same(a0++, b0++);
        while (a0 < a1 && b0 < b1 && a_.text[a1 - 1] == b_.text[b1 - 1]) Same(--a1, --b1);
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

    void Same(int a, int b) {
        if (same_) same_->push_back({a_.index[a], b_.index[b]});
    }

    void Unmatched(int a0, int a1, int b0, int b1) {
        const int paired = std::min(a1 - a0, b1 - b0);
        for (int k = 0; k < paired; ++k) out_.push_back({a_.index[a0 + k], b_.index[b0 + k]});
        for (int k = a0 + paired; k < a1; ++k) out_.push_back({a_.index[k], -1});
        for (int k = b0 + paired; k < b1; ++k) out_.push_back({-1, b_.index[k]});
    }

    // Lines found exactly once in a[a0, a1) and once in b[b0, b1), the
    // longest chain of them in the same order in both.
    std::vector<Anchor> Anchors(int a0, int a1, int b0, int b1) const {
        struct Seen {
            int inA = 0, inB = 0, a = -1, b = -1;
        };
        std::unordered_map<std::string_view, Seen> seen;
        seen.reserve(static_cast<std::size_t>(a1 - a0));
        for (int i = a0; i < a1; ++i) {
            Seen& s = seen[a_.text[i]];
            ++s.inA;
            s.a = i;
        }
        for (int j = b0; j < b1; ++j) {
            const auto found = seen.find(b_.text[j]);
            if (found == seen.end()) continue;
            ++found->second.inB;
            found->second.b = j;
        }
        std::vector<Anchor> unique;
        for (int i = a0; i < a1; ++i) {
            const Seen& s = seen.find(a_.text[i])->second;
            if (s.inA == 1 && s.inB == 1) unique.push_back({i, s.b});
        }
        // Longest increasing run of b positions (patience sorting).
        std::vector<int> tails;  // index into `unique` of the smallest tail per length
        std::vector<int> before(unique.size(), -1);
        for (int k = 0; k < static_cast<int>(unique.size()); ++k) {
            const auto at = std::lower_bound(tails.begin(), tails.end(), unique[k].b,
                                             [&](int t, int b) { return unique[t].b < b; });
            if (at != tails.begin()) before[k] = *(at - 1);
            if (at == tails.end())
                tails.push_back(k);
            else
                *at = k;
        }
        std::vector<Anchor> chain;
        for (int k = tails.empty() ? -1 : tails.back(); k >= 0; k = before[k])
            chain.push_back(unique[k]);
        std::reverse(chain.begin(), chain.end());
        return chain;
    }

    const FreeLines& a_;
    const FreeLines& b_;
    std::vector<LineDifference>& out_;
    std::vector<LineDifference>* same_;
};

std::string Counted(int n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

}  // namespace

int RecordLine(const RulesDocument& document, SectionId section, int record) {
    if (record < 1 || record > RecordCount(document, section)) return -1;
    switch (section) {
        case SectionId::Units: return document.Units().At(record).line;
        case SectionId::Advances: return document.Advances().At(record).line;
        case SectionId::Cosmic: return document.Cosmic().LineOf(record - 1);
    }
    return -1;
}

std::string ShownValue(std::string_view text, bool quoted) {
    if (!quoted && !text.empty() && text.find(' ') == std::string_view::npos)
        return std::string(text);
    std::string shown = "\"";
    shown += text;
    shown += '"';
    return shown;
}

bool IsNameField(SectionId section, int field) { return section != SectionId::Cosmic && field == 0; }

int Comparison::RecordsDiffering(SectionId section) const {
    return static_cast<int>(std::count_if(records.begin(), records.end(), [&](const auto& r) {
        return r.section == section;
    }));
}

int Comparison::LinesChanged() const {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [](const auto& l) {
        return l.baseLine >= 0 && l.otherLine >= 0;
    }));
}

int Comparison::LinesOnlyInBase() const {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.otherLine < 0; }));
}

int Comparison::LinesOnlyInOther() const {
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.baseLine < 0; }));
}

Comparison Compare(const RulesDocument& base, const RulesDocument& other) {
    Comparison comparison;
    for (SectionId section : {SectionId::Cosmic, SectionId::Advances, SectionId::Units})
        CompareSection(base, other, section, comparison.records);
    const FreeLines baseLines(base);
    const FreeLines otherLines(other);
    LineMatcher(baseLines, otherLines, comparison.lines).Run();
    return comparison;
}

LineAlignment AlignLines(const RulesDocument& base, const RulesDocument& other) {
    const FreeLines baseLines(base);
    const FreeLines otherLines(other);
    std::vector<LineDifference> pairs;
    LineMatcher(baseLines, otherLines, pairs, &pairs).Run();
    LineAlignment alignment;
    alignment.toOther.assign(static_cast<std::size_t>(base.Lines().LineCount()),
                             LineAlignment::kRecord);
    alignment.toBase.assign(static_cast<std::size_t>(other.Lines().LineCount()),
                            LineAlignment::kRecord);
    for (const int line : baseLines.index)
        alignment.toOther[static_cast<std::size_t>(line)] = LineAlignment::kNone;
    for (const int line : otherLines.index)
        alignment.toBase[static_cast<std::size_t>(line)] = LineAlignment::kNone;
    for (const LineDifference& pair : pairs) {
        if (pair.baseLine >= 0)
            alignment.toOther[static_cast<std::size_t>(pair.baseLine)] = pair.otherLine;
        if (pair.otherLine >= 0)
            alignment.toBase[static_cast<std::size_t>(pair.otherLine)] = pair.baseLine;
    }
    return alignment;
}

std::string RecordLabel(SectionId section, std::string_view name, std::string_view abbrev) {
    switch (section) {
        case SectionId::Units: return "Unit " + ShownValue(name, true);
        case SectionId::Advances:
            return "Advance " + ShownValue(name, true) + " (" + std::string(abbrev) + ")";
        case SectionId::Cosmic: return "Cosmic value " + std::string(name);
    }
    return {};
}

std::string RecordLabel(const RecordDifference& record) {
    return RecordLabel(record.section, record.name, record.abbrev);
}

std::string DifferenceText(const RecordDifference& record, const FieldDifference& field) {
    std::string text = RecordLabel(record);
    text += ": ";
    if (record.section != SectionId::Cosmic) {
        text += FieldLabel(field.ref.section, field.ref.field);
        text += ' ';
    }
    const bool name = IsNameField(field.ref.section, field.ref.field);
    text += ShownValue(field.before, name);
    text += " -> ";
    text += ShownValue(field.after, name);
    return text;
}

std::string PresenceText(const RecordDifference& record) {
    switch (record.presence) {
        case RecordDifference::Presence::OnlyInOther: return RecordLabel(record) + ": added";
        case RecordDifference::Presence::OnlyInBase: return RecordLabel(record) + ": removed";
        case RecordDifference::Presence::Both: break;
    }
    return {};
}

std::string SummaryLine(const Comparison& comparison) {
    std::vector<std::string> parts;
    int total = 0;
    const auto add = [&](int n, const char* what) {
        if (n == 0) return;
        parts.push_back(Counted(n, what));
        total += n;
    };
    add(comparison.RecordsDiffering(SectionId::Units), "unit");
    add(comparison.RecordsDiffering(SectionId::Advances), "advance");
    add(comparison.RecordsDiffering(SectionId::Cosmic), "cosmic value");
    add(static_cast<int>(comparison.lines.size()), "other line");
    if (parts.empty()) return "No differences";
    std::string text;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (k > 0) text += k + 1 == parts.size() ? " and " : ", ";
        text += parts[k];
    }
    text += total == 1 ? " differs" : " differ";
    return text;
}

std::string SummarySentence(const Comparison& comparison) { return SummaryLine(comparison) + "."; }

}  // namespace rules
