#include "rules/check/check_kinds.h"

#include <algorithm>

namespace rules {

const std::vector<CheckKind>& CheckKinds() {
    static const std::vector<CheckKind> kinds = {
        {"unknown-advance", Severity::Error, true,
         "A prerequisite or obsolete-by advance is neither \"nil\" nor \"no\" nor the abbreviation "
         "of an advance."},
        {"shared-abbreviation", Severity::Error, true,
         "Two advances have the same abbreviation, so every look-up finds the first."},
        {"prerequisite-circle", Severity::Error, true,
         "An advance needs itself through a circle of prerequisites, so no advance of the circle "
         "can be invented."},
        {"never-invented", Severity::Warning, true,
         "An advance needs an advance of a circle, directly or through a chain, so it can never "
         "be invented."},
        {"never-built", Severity::Warning, true,
         "A unit can never be built: its prerequisite can never be invented, or it is made "
         "obsolete by its prerequisite or by an advance that one needs."},
        {"same-name", Severity::Warning, true,
         "Two advances, or two units, have the same name."},
        {"not-a-number", Severity::Warning, true,
         "A numeric field is empty or not a plain number."},
        {"out-of-range", Severity::Warning, true,
         "A numeric field lies outside the values the editor offers for it."},
        {"bad-flags", Severity::Warning, true,
         "A unit's flags are not exactly 15 characters of \"0\" and \"1\"."},
        {"later-epoch", Severity::Warning, true,
         "An advance needs an advance of a later epoch."},
        {"set-aside-line", Severity::Warning, true,
         "A line that the section readers could not read and left as it is."},
        {"no-starting-unit", Severity::Warning, true,
         "No unit can be built at the start of a game: every unit needs an advance."},
        {"no-settler", Severity::Warning, true,
         "No unit with the role Settle can ever be built."},
        {"role-gap", Severity::Warning, true,
         "An advance makes a unit obsolete while no other unit of its domain and role can be "
         "built with what that advance needs."},
        {"outclassed-unit", Severity::Warning, true,
         "Another unit of the same domain and role is available whenever this one is, costs no "
         "more and is at least as good in everything."},
        {"redundant-prerequisite", Severity::Warning, false,
         "An advance's one prerequisite already needs its other one, directly or through a "
         "chain."},
    };
    return kinds;
}

const CheckKind* FindCheckKind(std::string_view name) {
    for (const CheckKind& kind : CheckKinds())
        if (name == kind.name) return &kind;
    return nullptr;
}

bool CheckChoice::IsOn(std::string_view name) const {
    const CheckKind* kind = FindCheckKind(name);
    if (kind == nullptr) return true;
    if (kind->severity == Severity::Error) return true;
    const auto named = [name](const std::vector<std::string>& names) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    if (named(disabled)) return false;
    return kind->onByDefault || named(enabled);
}

}  // namespace rules
