#include "rules/check/check_kinds.h"

#include <algorithm>

namespace rules {

const std::vector<CheckKind>& CheckKinds() {
    static const std::vector<CheckKind> kinds = {
        {"unknown-advance", Severity::Error, true,
         "A prerequisite or obsolete-by advance is neither \"nil\" nor \"no\" nor the "
         "abbreviation of an advance.",
         "A prerequisite of an advance, or the prerequisite or obsolete-by advance of a unit, "
         "that is neither `nil` nor `no` nor the abbreviation of an advance.",
         "Write `nil`, `no` or the abbreviation of an advance. The editor's Check page offers "
         "\"Set to nil\" and the advance whose abbreviation or name is closest to what is "
         "written."},
        {"shared-abbreviation", Severity::Error, true,
         "Two advances have the same abbreviation, so every look-up finds the first.",
         "Two advances with the same abbreviation, reported at the second: every look-up finds"
         " the first.",
         "Give one of the two an abbreviation no other advance has, and change the "
         "prerequisites that meant it."},
        {"prerequisite-circle", Severity::Error, true,
         "An advance needs itself through a circle of prerequisites, so no advance of the "
         "circle can be invented.",
         "A circle of prerequisites, reported once at its lowest-numbered advance and listed "
         "in order, e.g. `Rrt -> Bsm -> Rrt`.",
         "Change one prerequisite of the circle. The editor's Check page offers to remove the "
         "one that closes it (it becomes `nil`)."},
        {"not-a-rules-file", Severity::Error, true,
         "The file has none of the @COSMIC, @CIVILIZE and @UNITS sections: it is no rules "
         "file.",
         "A file with none of the `@COSMIC`, `@CIVILIZE` and `@UNITS` sections (an empty or a "
         "binary file), reported by `ovantra-rules check` alone.",
         "Check the file's name: the rules file is `rules.txt`, `rules.fre` or `rules.ger` in "
         "the game's folder."},
        {"never-invented", Severity::Warning, true,
         "An advance needs an advance of a circle, directly or through a chain, so it can "
         "never be invented.",
         "An advance that needs an advance of a circle, directly or through a chain (a note of"
         " the circle).",
         "Break the circle it waits on."},
        {"never-built", Severity::Warning, true,
         "A unit can never be built: its prerequisite can never be invented, or it is made "
         "obsolete by its prerequisite or by an advance that one needs.",
         "A unit whose prerequisite can never be invented (a note of the circle), or that is "
         "made obsolete by its own prerequisite or by an advance that its prerequisite needs.",
         "Break the circle, or let the unit become obsolete by an advance that comes after its"
         " prerequisite, or by `nil`."},
        {"same-name", Severity::Warning, true,
         "Two advances, or two units, have the same name.",
         "Two advances, or two units, with the same name.",
         "Rename one of the two: players, and the editor's lists, cannot tell them apart."},
        {"not-a-number", Severity::Warning, true,
         "A numeric field is empty or not a plain number, or a value of another section is not "
         "a whole number while the rest of its column are.",
         "A numeric field that is not a plain number (`7x`), or is empty; in a section the "
         "editor has no form for (`@TERRAIN`), the one value of a column that is not a whole "
         "number while at least two others are and none else is not.",
         "Write a plain whole number. The editor's Check page offers to keep the leading "
         "number where there is one."},
        {"out-of-range", Severity::Warning, true,
         "A numeric field lies outside the values the editor offers for it.",
         "A value outside what the editor's controls offer (the spinners' ranges, domain 0-2, "
         "role 0-7, epoch 0-3, category 0-4).",
         "Write a value within the range. The editor's Check page offers the nearest allowed "
         "value."},
        {"bad-flags", Severity::Warning, true,
         "A unit's flags are not exactly 15 characters of \"0\" and \"1\".",
         "A unit's flags that are not exactly 15 characters of `0` and `1`.",
         "Write 15 characters of `0` and `1`, or set the flags with the Units page's check "
         "boxes."},
        {"later-epoch", Severity::Warning, true,
         "An advance needs an advance of a later epoch.",
         "An advance that needs an advance of a later epoch.",
         "Move one of the two to the other's epoch, or give the advance a prerequisite of its "
         "own epoch or an earlier one."},
        {"set-aside-line", Severity::Warning, true,
         "A line that the section readers could not read and left as it is.",
         "A line that the section readers set aside (listed after loading) and write back as "
         "it is.",
         "Correct the line so that it reads as an entry of its section, or remove it."},
        {"column-count", Severity::Warning, true,
         "A row of a section the editor has no form for holds more or fewer values than most "
         "rows of its section.",
         "A data line of a section other than `@COSMIC`, `@CIVILIZE` and `@UNITS` whose count "
         "of comma-separated values differs from the count that more than half of its "
         "section's lines have.",
         "Add the missing value or remove the extra comma, so that every value stands in its "
         "column; the Table page shows the section's rows as columns."},
        {"no-starting-unit", Severity::Warning, true,
         "No unit can be built at the start of a game: every unit needs an advance.",
         "Every unit needs an advance, so none can be built at the start of a game (at the "
         "first unit's line).",
         "Set the prerequisite of at least one unit to `nil`."},
        {"no-settler", Severity::Warning, true,
         "No unit with the role Settle can ever be built.",
         "No unit with the role Settle can ever be built (at the first unit's line).",
         "Give a unit that can be built the role Settle."},
        {"role-gap", Severity::Warning, true,
         "An advance makes a unit obsolete while no other unit of its domain and role can be "
         "built with what that advance needs.",
         "A unit that can be built is made obsolete by an advance, and no other unit of its "
         "domain and role can be built by a player who knows exactly that advance and all it "
         "needs.",
         "Let another unit of that domain and role need that advance or one it needs, or let "
         "the unit become obsolete later."},
        {"outclassed-unit", Severity::Warning, true,
         "Another unit of the same domain and role is available whenever this one is, costs no"
         " more and is at least as good in everything.",
         "Another unit of the same domain and role is available whenever this one is (it needs"
         " nothing, the same advance, or one this one's prerequisite needs), retires with it "
         "or never, costs no more, is at least as good in moves, rounds, attack, defense, hit "
         "points, firepower and hold, has every flag this one has, and is better in one of "
         "them or cheaper (units with a value that is not a plain number are left out).",
         "Make one of the two better at something, cheaper, or available at another time, or "
         "remove the one nobody would build."},
        {"redundant-prerequisite", Severity::Warning, false,
         "An advance's one prerequisite already needs its other one, directly or through a "
         "chain.",
         "An advance's second prerequisite is already needed by its first, directly or through"
         " a chain, or the other way round.",
         "Set the prerequisite that the other already needs to `nil`."},
    };
    return kinds;
}

const CheckKind* FindCheckKind(std::string_view name) {
    for (const CheckKind& kind : CheckKinds())
        if (name == kind.name) return &kind;
    return nullptr;
}

SwitchableCheck CheckSwitchable(std::string_view name) {
    const CheckKind* kind = FindCheckKind(name);
    if (kind == nullptr) return SwitchableCheck::Unknown;
    return kind->severity == Severity::Error ? SwitchableCheck::AlwaysChecked
                                             : SwitchableCheck::Yes;
}

std::string PlainText(std::string_view markdown) {
    std::string text;
    for (const char c : markdown)
        if (c != '`') text += c;
    return text;
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
