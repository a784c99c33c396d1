#include "rules/check/check_context.h"

#include "rules/document/cp1252.h"

namespace rules {

namespace check_detail {

// Built by appending: g++ 12 at -O3 gives a false -Wrestrict on
// "literal" + std::string&&.
std::string Quoted(std::string_view bytes) {
    std::string quoted = "\"";
    quoted += Cp1252ToUtf8(bytes);
    quoted += '"';
    return quoted;
}

std::string AdvanceLabel(const AdvanceRecord& advance) {
    return Quoted(advance.name) + " (" + Cp1252ToUtf8(advance.abbrev) + ")";
}

Problem& CheckContext::Add(Severity severity, const char* check, SectionId section, int record,
                           int line, std::string text, int field) {
    Problem& problem = problems.emplace_back();
    problem.severity = severity;
    problem.section = section;
    problem.record = record;
    problem.line = line;
    problem.text = std::move(text);
    problem.check = check;
    problem.field = field;
    return problem;
}

const CheckContext::AdvanceSet& CheckContext::Needed(int k) {
    if (needed_.empty()) {
        needed_.resize(static_cast<std::size_t>(advances.Count()) + 1);
        neededKnown_.assign(needed_.size(), false);
    }
    const auto sk = static_cast<std::size_t>(k);
    if (!neededKnown_[sk]) {
        // The chains are at most as long as the table, so this recursion
        // is bounded by its 94 advances.
        AdvanceSet set;
        for (int p : links.Needs(k)) {
            set |= Needed(p);
            set.set(static_cast<std::size_t>(p));
        }
        needed_[sk] = set;
        neededKnown_[sk] = true;
    }
    return needed_[sk];
}

bool CheckContext::CanBeBuilt(int k) {
    const UnitRecord& unit = units.At(k);
    // "nil" needs nothing; "no", an advance no one can reach, is found by
    // no look-up below, so its unit is never built.
    if (unit.prereq == kNoAdvance) return true;
    const int prereq = links.Lookup(unit.prereq);
    if (prereq == 0 || !links.CanBeInvented(prereq)) return false;
    const int obsolete = links.Lookup(unit.obsoleteBy);
    return obsolete != prereq &&
           (obsolete == 0 || !Needed(prereq).test(static_cast<std::size_t>(obsolete)));
}

}  // namespace check_detail

}  // namespace rules
