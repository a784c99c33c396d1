#include "rules/edits/link_plan.h"

#include "rules/document/advance_table.h"
#include "rules/document/cp1252.h"

namespace rules {

namespace {

// What a prerequisite text names for the user: the advance a look-up finds
// (the first with that abbreviation), or the text itself.
std::string Named(const AdvanceTable& advances, const std::string& abbrev) {
    const int number = IsNoAdvance(abbrev) ? 0 : advances.FindByAbbrev(abbrev);
    return Cp1252ToUtf8(number ? advances.At(number).name : abbrev);
}

}  // namespace

LinkPlan PlanLink(const AdvanceTable& advances, int from, int to, std::optional<int> slot) {
    LinkPlan link;
    if (from == to || from < 1 || to < 1 || from > advances.Count() || to > advances.Count()) return link;
    const std::string& abbrev = advances.At(from).abbrev;
    const std::string fromName = Cp1252ToUtf8(advances.At(from).name);
    // A prerequisite names an abbreviation, and the game takes the first
    // advance that has it: one that another advance shares earlier, or that
    // reads as "no advance", would link something else.
    if (abbrev.empty() || IsNoAdvance(abbrev) || advances.FindByAbbrev(abbrev) != from) {
        link.plan.problem = fromName + " cannot be named as a prerequisite: its abbreviation \"" +
                            Cp1252ToUtf8(abbrev) + "\" " +
                            (abbrev.empty() || IsNoAdvance(abbrev) ? "means no advance"
                                                                   : "belongs to an earlier advance too");
        return link;
    }
    const AdvanceRecord& target = advances.At(to);
    if (target.prereq1 == abbrev || target.prereq2 == abbrev) return link;
    link.slot = IsNoAdvance(target.prereq1) ? 1 : IsNoAdvance(target.prereq2) ? 2 : 0;
    if (!link.slot && slot && (*slot == 1 || *slot == 2)) link.slot = *slot;
    if (!link.slot) {
        link.mustChoose = !slot;
        link.question = Cp1252ToUtf8(target.name) + " needs two advances already";
        link.choices = {"Replace " + Named(advances, target.prereq1) + " with " + fromName,
                        "Replace " + Named(advances, target.prereq2) + " with " + fromName};
        return link;
    }
    link.plan.edits.push_back(
        {AdvanceFieldRef(to, link.slot == 1 ? AdvanceField::Prereq1 : AdvanceField::Prereq2), abbrev});
    return link;
}

}  // namespace rules
