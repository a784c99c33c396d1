#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "rules/check/problem.h"

namespace rules {

// A kind of problem the check finds, under a name that stays the same from
// release to release, so that scripts and settings can switch it off. Its
// texts are the one description of it: `ovantra-rules --list-checks`, the
// rules of the SARIF log and the manual's list of checks all show them.
struct CheckKind {
    const char* name;      // "prerequisite-circle"
    Severity severity;     // Error or Warning
    bool onByDefault;
    const char* sentence;  // what it finds, one English sentence, plain text
    // What exactly it reports and where, in Markdown (names in `code`).
    const char* description;
    // How to mend what it reports, in Markdown.
    const char* remedy;
};

// Every kind, errors first, then warnings, each in a fixed order.
const std::vector<CheckKind>& CheckKinds();
// The kind of that name, or nullptr.
const CheckKind* FindCheckKind(std::string_view name);

// Whether a name given to switch a check on or off can do so: it may name
// no check, or an error, which is always checked.
enum class SwitchableCheck { Yes, Unknown, AlwaysChecked };
SwitchableCheck CheckSwitchable(std::string_view name);

// A description or remedy as plain text: the Markdown of these texts is only
// `code`, whose marks go.
std::string PlainText(std::string_view markdown);

// Which warning kinds to report beyond, or instead of, the default ones.
// Errors are always reported.
struct CheckChoice {
    std::vector<std::string> disabled;
    std::vector<std::string> enabled;

    bool IsOn(std::string_view name) const;
};

}  // namespace rules
