// Checks of the game's balance: whether a game can start and go on with the
// units the rules give, and units that no player would ever choose.

#include <array>
#include <bitset>
#include <optional>

#include "rules/check/check_context.h"
#include "rules/document/field_table.h"

namespace rules::check_detail {

namespace {

constexpr long kSettleRole = 5;

// "land", "air", "sea" within a sentence; "other" for a value without a word.
std::string DomainWord(long domain) {
    std::string word(ChoiceWord(SectionId::Units, static_cast<int>(UnitField::Domain), domain));
    if (word.empty()) return "other";
    for (char& c : word) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return word;
}

// "Attack" .. "Trade"; "other" for a value without a word.
std::string RoleWord(long role) {
    const std::string_view word = ChoiceWord(SectionId::Units, static_cast<int>(UnitField::Role), role);
    return word.empty() ? "other" : std::string(word);
}

// A unit's values as numbers. Its domain and role are known where they are
// plain numbers; the rest count where all of them are, and its flags are
// well formed.
struct UnitValues {
    bool kindKnown = false;
    bool plain = false;
    long domain = 0, role = 0, cost = 0;
    // moves, rounds, attack, defense, hit points, firepower, hold: more is better.
    std::array<long, 7> strengths{};
    std::bitset<kFlagCount> flags;
};

UnitValues ValuesOf(const UnitRecord& u) {
    UnitValues values;
    const std::string* texts[] = {&u.domain, &u.role,      &u.cost,      &u.moves,
                                  &u.rounds, &u.attack,    &u.defense,   &u.hitPoints,
                                  &u.firepower, &u.hold};
    long numbers[10];
    for (std::size_t i = 0; i < 10; ++i) {
        const std::optional<long> n = PlainNumber(*texts[i]);
        if (!n) return values;
        numbers[i] = *n;
        if (i == 1) {
            values.kindKnown = true;
            values.domain = numbers[0];
            values.role = numbers[1];
        }
    }
    if (!WellFormedFlags(u.flags))
        return values;
    values.plain = true;
    values.cost = numbers[2];
    for (std::size_t i = 0; i < values.strengths.size(); ++i) values.strengths[i] = numbers[3 + i];
    values.flags = std::bitset<kFlagCount>(u.flags);
    return values;
}

class BalanceChecks {
  public:
    explicit BalanceChecks(CheckContext& context)
        : c_(context), advances_(context.advances), units_(context.units), links_(context.links) {
        // Looked up once: the comparisons of units with each other below
        // would otherwise look the same abbreviations up again and again.
        unitLinks_.resize(static_cast<std::size_t>(units_.Count()) + 1);
        values_.reserve(unitLinks_.size());
        values_.emplace_back();
        buildable_.push_back(false);
        for (int k = 1; k <= units_.Count(); ++k) {
            const UnitRecord& unit = units_.At(k);
            values_.push_back(ValuesOf(unit));
            buildable_.push_back(c_.CanBeBuilt(k));
            unitLinks_[static_cast<std::size_t>(k)] = {
                unit.prereq == kNoAdvance, links_.Lookup(unit.prereq),
                IsNoAdvance(unit.obsoleteBy), links_.Lookup(unit.obsoleteBy)};
        }
    }

    void Run(bool redundantPrerequisites) {
        if (units_.Count() > 0) {
            CheckStart();
            for (int k = 1; k <= units_.Count(); ++k) {
                CheckRoleGap(k);
                CheckOutclassed(k);
            }
        }
        if (redundantPrerequisites)
            for (int k = 1; k <= advances_.Count(); ++k) CheckRedundant(k);
    }

  private:
    // A unit's prerequisite and obsolete-by advance: none ("nil" for the
    // prerequisite; "nil" or "no" for the obsolete-by advance, since an
    // advance no one reaches retires nothing), or the advance named (0 for
    // "no" and an abbreviation no advance has).
    struct UnitLinks {
        bool noPrereq;
        int prereq;
        bool noObsolete;
        int obsolete;
    };

    const UnitValues& Values(int k) const { return values_[static_cast<std::size_t>(k)]; }
    const UnitLinks& Links(int k) const { return unitLinks_[static_cast<std::size_t>(k)]; }
    bool Buildable(int k) const { return buildable_[static_cast<std::size_t>(k)]; }
    bool SameKind(int a, int b) const {
        return Values(a).domain == Values(b).domain && Values(a).role == Values(b).role;
    }

    void CheckStart() {
        bool startingUnit = false, settler = false;
        for (int k = 1; k <= units_.Count(); ++k) {
            startingUnit = startingUnit || Links(k).noPrereq;
            settler = settler ||
                      (Values(k).kindKnown && Values(k).role == kSettleRole && Buildable(k));
        }
        if (!startingUnit)
            c_.UnitProblem(Severity::Warning, "no-starting-unit", 1,
                           "No unit can be built at the start of a game: every unit's "
                           "prerequisite is an advance.");
        if (!settler)
            c_.UnitProblem(Severity::Warning, "no-settler", 1,
                           "No unit with the role Settle can ever be built.");
    }

    // Another unit of k's domain and role that a player who knows exactly
    // `known` can build.
    bool Replaced(int k, const CheckContext::AdvanceSet& known) const {
        for (int w = 1; w <= units_.Count(); ++w) {
            if (w == k || !Values(w).kindKnown || !SameKind(w, k)) continue;
            const UnitLinks& links = Links(w);
            if (!links.noPrereq &&
                (links.prereq == 0 || !known.test(static_cast<std::size_t>(links.prereq))))
                continue;
            if (links.obsolete != 0 && known.test(static_cast<std::size_t>(links.obsolete)))
                continue;
            return true;
        }
        return false;
    }

    void CheckRoleGap(int k) {
        if (!Values(k).kindKnown || !Buildable(k)) return;
        const UnitRecord& unit = units_.At(k);
        const int obsolete = Links(k).obsolete;
        if (obsolete == 0 || !links_.CanBeInvented(obsolete)) return;
        CheckContext::AdvanceSet known = c_.Needed(obsolete);
        known.set(static_cast<std::size_t>(obsolete));
        if (Replaced(k, known)) return;
        c_.UnitProblem(Severity::Warning, "role-gap", k,
                       "Unit " + Quoted(unit.name) + " is made obsolete by " +
                           AdvanceLabel(advances_.At(obsolete)) + ", and no other " +
                           DomainWord(Values(k).domain) + " unit with the role " +
                           RoleWord(Values(k).role) +
                           " can be built by a player who knows it and what it needs.",
                       static_cast<int>(UnitField::ObsoleteBy));
    }

    // Whether unit w can be built whenever unit v can, and stays as long.
    bool AvailableWhenever(int w, int v) {
        const UnitLinks& W = Links(w);
        const UnitLinks& V = Links(v);
        const bool available =
            W.noPrereq ||
            (W.prereq != 0 && V.prereq != 0 &&
             (W.prereq == V.prereq ||
              (links_.CanBeInvented(V.prereq) &&
               c_.Needed(V.prereq).test(static_cast<std::size_t>(W.prereq)))));
        if (!available) return false;
        return W.noObsolete || (W.obsolete != 0 && W.obsolete == V.obsolete);
    }

    static bool AtLeastAsGood(const UnitValues& w, const UnitValues& v) {
        if (w.cost > v.cost || (v.flags & ~w.flags).any()) return false;
        bool better = w.cost < v.cost;
        for (std::size_t i = 0; i < w.strengths.size(); ++i) {
            if (w.strengths[i] < v.strengths[i]) return false;
            better = better || w.strengths[i] > v.strengths[i];
        }
        return better;
    }

    void CheckOutclassed(int v) {
        if (!Values(v).plain || !Buildable(v)) return;
        for (int w = 1; w <= units_.Count(); ++w) {
            if (w == v || !Values(w).plain || !SameKind(w, v)) continue;
            if (!AtLeastAsGood(Values(w), Values(v)) || !AvailableWhenever(w, v)) continue;
            c_.UnitProblem(Severity::Warning, "outclassed-unit", v,
                           "Unit " + Quoted(units_.At(v).name) + " is outclassed by unit " +
                               Quoted(units_.At(w).name) +
                               ": of the same domain and role, available whenever it is, "
                               "costing no more and at least as good in every value and flag.");
            c_.problems.back().other = w;
            return;
        }
    }

    void CheckRedundant(int k) {
        const AdvanceRecord& a = advances_.At(k);
        const int first = links_.Lookup(a.prereq1);
        const int second = links_.Lookup(a.prereq2);
        if (first == 0 || second == 0 || first == second || !links_.CanBeInvented(first) ||
            !links_.CanBeInvented(second))
            return;
        const auto say = [&](int kept, int redundant, const char* keptWhich,
                             const char* redundantWhich, AdvanceField field) {
            c_.AdvanceProblem(Severity::Warning, "redundant-prerequisite", k,
                              "Advance " + AdvanceLabel(a) + ": its " + redundantWhich +
                                  " prerequisite " + AdvanceLabel(advances_.At(redundant)) +
                                  " is already needed by its " + keptWhich + ", " +
                                  AdvanceLabel(advances_.At(kept)) + ".",
                              static_cast<int>(field));
        };
        if (c_.Needed(first).test(static_cast<std::size_t>(second)))
            say(first, second, "first", "second", AdvanceField::Prereq2);
        else if (c_.Needed(second).test(static_cast<std::size_t>(first)))
            say(second, first, "second", "first", AdvanceField::Prereq1);
    }

    CheckContext& c_;
    const AdvanceTable& advances_;
    const UnitTable& units_;
    const PrerequisiteLinks& links_;
    std::vector<UnitValues> values_;  // index 0 unused
    std::vector<UnitLinks> unitLinks_;
    std::vector<bool> buildable_;
};

}  // namespace

void CheckBalance(CheckContext& context, bool redundantPrerequisites) {
    BalanceChecks(context).Run(redundantPrerequisites);
}

}  // namespace rules::check_detail
