#include "rules/document/value_rules.h"

#include "rules/document/cp1252.h"
#include "rules/document/rules_document.h"
#include "rules/document/text_routines.h"

namespace rules {

namespace {
constexpr std::size_t kAbbrevLength = 3;
}

std::string AbbreviationProblem(const RulesDocument& document, const FieldRef& ref,
                                std::string_view stored) {
    const std::string shown = "\"" + Cp1252ToUtf8(stored) + "\"";
    if (stored.size() != kAbbrevLength)
        return "An abbreviation has three characters; " + shown + " has " +
               std::to_string(stored.size()) + ".";
    if (stored.front() == ' ' || stored.back() == ' ')
        return "An abbreviation cannot start or end with a space: the file would lose it.";
    if (IsNoAdvance(stored)) return shown + " stands for no advance.";
    const AdvanceTable& advances = document.Advances();
    for (int k = 1; k <= advances.Count(); ++k)
        if (k != ref.record && advances.At(k).abbrev == stored)
            return shown + " is taken: " + Cp1252ToUtf8(advances.At(k).name) + " has it.";
    return {};
}

}  // namespace rules
