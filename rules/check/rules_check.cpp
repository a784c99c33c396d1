#include "rules/check/rules_check.h"

#include "rules/document/record_fields.h"

#include <algorithm>
#include <bitset>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "rules/document/cp1252.h"
#include "rules/check/prerequisite_circles.h"

namespace rules {

const char* SeverityName(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

namespace {

// Built by appending: g++ 12 at -O3 gives a false -Wrestrict on
// "literal" + std::string&&.
std::string Quoted(std::string_view bytes) {
    std::string quoted = "\"";
    quoted += Cp1252ToUtf8(bytes);
    quoted += '"';
    return quoted;
}

// "Bronze Working" (Bro)
std::string AdvanceLabel(const AdvanceRecord& advance) {
    return Quoted(advance.name) + " (" + Cp1252ToUtf8(advance.abbrev) + ")";
}

// The value of a plain number: digits only (after an optional minus sign
// where allowed), at least one. Values too large for the check are capped,
// which keeps them out of every range.
std::optional<long> PlainNumber(std::string_view text, bool minusAllowed = false) {
    bool negative = false;
    if (minusAllowed && !text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 1'000'000'000L);
    }
    return negative ? -value : value;
}

class Checker {
  public:
    explicit Checker(const RulesDocument& document)
        : document_(document),
          advances_(document.Advances()),
          units_(document.Units()),
          links_(advances_) {}

    Problems Run() {
        CheckFindings();
        CheckCosmic();
        CheckAdvances();
        CheckUnits();
        std::stable_sort(problems_.begin(), problems_.end(),
                         [](const Problem& a, const Problem& b) {
                             if (a.severity != b.severity) return a.severity == Severity::Error;
                             return a.line < b.line;
                         });
        return std::move(problems_);
    }

  private:
    void Add(Severity severity, SectionId section, int record, int line, std::string text) {
        problems_.push_back({severity, section, record, line, std::move(text)});
    }
    void AdvanceProblem(Severity severity, int k, std::string text) {
        Add(severity, SectionId::Advances, k, advances_.At(k).line, std::move(text));
    }
    void UnitProblem(Severity severity, int k, std::string text) {
        Add(severity, SectionId::Units, k, units_.At(k).line, std::move(text));
    }

    void CheckFindings() {
        for (const Finding& finding : document_.GetFindings())
            Add(Severity::Warning, finding.section, 0, finding.line,
                std::string(SectionHeader(finding.section)) +
                    " section: " + FindingReason(finding) + ".");
    }

    void CheckCosmic() {
        const CosmicSection& cosmic = document_.Cosmic();
        for (int p = 0; p < kCosmicCount; ++p) {
            if (cosmic.LineOf(p) < 0) continue;  // never read, never written
            const std::string& value = cosmic.Value(p);
            if (PlainNumber(value)) continue;
            // Named as the Cosmic page names it, not by its internal key.
            const std::string name = Quoted(RecordName(document_, SectionId::Cosmic, p + 1));
            Add(Severity::Warning, SectionId::Cosmic, p + 1, cosmic.LineOf(p),
                value.empty() ? name + " is empty."
                              : name + " is " + Quoted(value) + ", not a plain number.");
        }
    }

    // A numeric field: warns when it is not a plain number or lies outside
    // [minimum, maximum] (no range check when minimum > maximum). Returns the
    // value when it is a plain number.
    std::optional<long> CheckNumber(Severity severity, SectionId section, int k, int line,
                                    const std::function<std::string()>& subject, const char* field,
                                    const std::string& text, long minimum, long maximum,
                                    bool minusAllowed = false) {
        const std::optional<long> value = PlainNumber(text, minusAllowed);
        if (!value) {
            Add(severity, section, k, line,
                text.empty()
                    ? subject() + ": " + field + " is empty."
                    : subject() + ": " + field + " " + Quoted(text) + " is not a plain number.");
        } else if (minimum <= maximum && (*value < minimum || *value > maximum)) {
            Add(severity, section, k, line,
                subject() + ": " + field + " " + std::to_string(*value) + " is outside " +
                    std::to_string(minimum) + " to " + std::to_string(maximum) +
                    ", the range the editor offers.");
        }
        return value;
    }

    void CheckAdvances() {
        std::unordered_map<std::string_view, int> byName;
        byName.reserve(static_cast<std::size_t>(advances_.Count()));
        for (int k = 1; k <= advances_.Count(); ++k) {
            const AdvanceRecord& a = advances_.At(k);
            // Sentences are only composed for problems found: most records have none.
            const auto subject = [&] { return "Advance " + AdvanceLabel(a); };

            for (auto [text, which] : {std::pair{&a.prereq1, "first"}, {&a.prereq2, "second"}}) {
                if (!IsNoAdvance(*text) && links_.Lookup(*text) == 0)
                    AdvanceProblem(Severity::Error, k,
                                   subject() + ": its " + which + " prerequisite " + Quoted(*text) +
                                       " is neither \"nil\" nor the abbreviation of an advance.");
            }
            if (const int first = links_.Lookup(a.abbrev); first != 0 && first != k)
                AdvanceProblem(Severity::Error, k,
                               subject() + " has the same abbreviation as advance " +
                                   AdvanceLabel(advances_.At(first)) +
                                   ", which every look-up finds first, so this one can never "
                                   "be required.");
            if (const auto [it, fresh] = byName.emplace(a.name, k); !fresh)
                AdvanceProblem(Severity::Warning, k,
                               subject() + " has the same name as advance " +
                                   AdvanceLabel(advances_.At(it->second)) +
                                   ", which choices by name take first.");

            const int line = a.line;
            const auto S = SectionId::Advances;
            CheckNumber(Severity::Warning, S, k, line, subject, "AI value", a.aiValue, 0, -1);
            CheckNumber(Severity::Warning, S, k, line, subject, "modifier", a.modifier, 0, -1,
                        true);
            const auto epoch = CheckNumber(Severity::Warning, S, k, line, subject, "epoch", a.epoch,
                                           0, kEpochCount - 1);
            CheckNumber(Severity::Warning, S, k, line, subject, "category", a.category, 0,
                        kCategoryCount - 1);
            if (epoch && *epoch >= 0 && *epoch < kEpochCount) CheckLaterEpoch(k, *epoch, subject);
        }
        CheckCircles();
    }

    void CheckLaterEpoch(int k, long epoch, const std::function<std::string()>& subject) {
        for (int p : links_.Needs(k)) {
            const auto other = PlainNumber(advances_.At(p).epoch);
            if (!other || *other <= epoch || *other >= kEpochCount) continue;
            AdvanceProblem(Severity::Warning, k,
                           subject() + ", of the " + EpochName(static_cast<int>(epoch)) +
                               " epoch, needs " + AdvanceLabel(advances_.At(p)) + " of the later " +
                               EpochName(static_cast<int>(*other)) + " epoch.");
        }
    }

    std::string CircleText(int index) const {
        return PrerequisiteLinks::Describe(advances_,
                                           links_.Circles()[static_cast<std::size_t>(index)]);
    }

    void CheckCircles() {
        for (std::size_t c = 0; c < links_.Circles().size(); ++c) {
            const PrerequisiteCircle& circle = links_.Circles()[c];
            const int start = circle.path.front();
            std::string text = "Advance " + AdvanceLabel(advances_.At(start)) +
                               " needs itself through a circle of prerequisites, " +
                               CircleText(static_cast<int>(c));
            std::string others;
            for (int m : circle.members) {
                if (std::find(circle.path.begin(), circle.path.end(), m) != circle.path.end())
                    continue;
                others += (others.empty() ? "" : ", ") + AdvanceLabel(advances_.At(m));
            }
            if (!others.empty()) text += ", which also catches " + others;
            text += "; no advance caught in it can ever be invented.";
            AdvanceProblem(Severity::Error, start, std::move(text));
        }
        for (int k : links_.NeverAvailable())
            AdvanceProblem(Severity::Warning, k,
                           "Advance " + AdvanceLabel(advances_.At(k)) +
                               " can never be invented: it needs an advance of the circle " +
                               CircleText(links_.BlockingCircleOf(k)) + ".");
    }

    // Bit p of Needed(k): advance k needs advance p, directly or through a
    // chain. Worked out only for advances that can be invented (their chains
    // hold no circle), each once.
    using AdvanceSet = std::bitset<AdvanceTable::kSlots + 1>;
    const AdvanceSet& Needed(int k) {
        if (needed_.empty()) {
            needed_.resize(static_cast<std::size_t>(advances_.Count()) + 1);
            neededKnown_.assign(needed_.size(), false);
        }
        const auto sk = static_cast<std::size_t>(k);
        if (!neededKnown_[sk]) {
            // The chains are at most as long as the table, so this recursion
            // is bounded by its 94 advances.
            AdvanceSet set;
            for (int p : links_.Needs(k)) {
                set |= Needed(p);
                set.set(static_cast<std::size_t>(p));
            }
            needed_[sk] = set;
            neededKnown_[sk] = true;
        }
        return needed_[sk];
    }

    void CheckUnits() {
        std::unordered_map<std::string_view, int> byName;
        byName.reserve(static_cast<std::size_t>(units_.Count()));
        for (int k = 1; k <= units_.Count(); ++k) {
            const UnitRecord& u = units_.At(k);
            const auto subject = [&] { return "Unit " + Quoted(u.name); };
            const int line = u.line;

            const int obsolete = links_.Lookup(u.obsoleteBy);
            const int prereq = links_.Lookup(u.prereq);
            if (!IsNoAdvance(u.obsoleteBy) && obsolete == 0)
                UnitProblem(Severity::Error, k,
                            subject() + ": the advance that makes it obsolete, " +
                                Quoted(u.obsoleteBy) +
                                ", is neither \"nil\" nor the abbreviation of an advance.");
            if (!IsNoAdvance(u.prereq) && prereq == 0)
                UnitProblem(Severity::Error, k,
                            subject() + ": its prerequisite " + Quoted(u.prereq) +
                                " is neither \"nil\" nor the abbreviation of an advance.");

            if (const auto [it, fresh] = byName.emplace(u.name, k); !fresh)
                UnitProblem(Severity::Warning, k,
                            subject() + " (unit " + std::to_string(k) +
                                ") has the same name as unit " + std::to_string(it->second) +
                                "; the two cannot be told apart by name.");

            const auto S = SectionId::Units;
            struct Field {
                const char* name;
                const std::string* text;
                ValueRange range;
            };
            const Field fields[] = {
                {"domain", &u.domain, unit_range::kDomain},
                {"moves", &u.moves, unit_range::kMoves},
                {"rounds in flight", &u.rounds, unit_range::kRounds},
                {"attack", &u.attack, unit_range::kAttack},
                {"defense", &u.defense, unit_range::kDefense},
                {"hit points", &u.hitPoints, unit_range::kHitPoints},
                {"firepower", &u.firepower, unit_range::kFirepower},
                {"cost", &u.cost, unit_range::kCost},
                {"hold", &u.hold, unit_range::kHold},
                {"role", &u.role, unit_range::kRole},
            };
            for (const Field& f : fields)
                CheckNumber(Severity::Warning, S, k, line, subject, f.name, *f.text,
                            f.range.minimum, f.range.maximum);
            if (u.flags.size() != static_cast<std::size_t>(kFlagCount) ||
                u.flags.find_first_not_of("01") != std::string::npos)
                UnitProblem(Severity::Warning, k,
                            subject() + ": flags " + Quoted(u.flags) +
                                " are not exactly 15 characters of \"0\" and \"1\".");

            if (prereq != 0) CheckBuildable(k, subject, prereq, obsolete);
        }
    }

    void CheckBuildable(int k, const std::function<std::string()>& subject, int prereq,
                        int obsolete) {
        const AdvanceRecord& needs = advances_.At(prereq);
        if (!links_.CanBeInvented(prereq)) {
            UnitProblem(Severity::Warning, k,
                        subject() + " can never be built: its prerequisite " + AdvanceLabel(needs) +
                            " can never be invented.");
        } else if (obsolete == prereq) {
            UnitProblem(Severity::Warning, k,
                        subject() +
                            " can never be built: it is made obsolete by its own "
                            "prerequisite, " +
                            AdvanceLabel(needs) + ".");
        } else if (obsolete != 0 && Needed(prereq).test(static_cast<std::size_t>(obsolete))) {
            UnitProblem(Severity::Warning, k,
                        subject() + " can never be built: it is made obsolete by " +
                            AdvanceLabel(advances_.At(obsolete)) + ", which its prerequisite " +
                            AdvanceLabel(needs) + " needs.");
        }
    }

    const RulesDocument& document_;
    const AdvanceTable& advances_;
    const UnitTable& units_;
    const PrerequisiteLinks links_;
    std::vector<AdvanceSet> needed_;
    std::vector<bool> neededKnown_;
    Problems problems_;
};

}  // namespace

Problems CheckRules(const RulesDocument& document) { return Checker(document).Run(); }

}  // namespace rules
