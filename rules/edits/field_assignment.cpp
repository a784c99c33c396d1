#include "rules/edits/field_assignment.h"

#include <functional>
#include <vector>

#include "rules/document/field_values.h"
#include "rules/document/rules_document.h"
#include "rules/document/text_routines.h"
#include "rules/edits/edit_plan.h"

namespace rules {

const char* SectionWord(SectionId section) {
    switch (section) {
        case SectionId::Units: return "unit";
        case SectionId::Advances: return "advance";
        case SectionId::Cosmic: break;
    }
    return "cosmic value";
}

namespace {

std::string Numbers(const std::vector<int>& records) {
    std::string text;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0) text += i + 1 == records.size() ? " and " : ", ";
        text += "#" + std::to_string(records[i]);
    }
    return text;
}

std::string Headings(SectionId section) {
    std::string text;
    for (const ColumnInfo& info : ColumnInfos(section)) {
        if (!text.empty()) text += ", ";
        text += info.heading;
    }
    return text;
}

}  // namespace

std::optional<SectionId> SectionNamed(std::string_view word) {
    for (const SectionId section : {SectionId::Units, SectionId::Advances, SectionId::Cosmic}) {
        const std::string_view singular = section == SectionId::Cosmic ? "cosmic" : SectionWord(section);
        if (SameAsciiIgnoringCase(word, singular) ||
            (section != SectionId::Cosmic && SameAsciiIgnoringCase(word, std::string(singular) + "s")))
            return section;
    }
    return std::nullopt;
}

RecordLookup FindNamed(int count, std::string_view name, std::string_view what,
                       std::string_view kind, const std::function<std::string(int)>& nameOf,
                       const std::function<bool(std::string_view, std::string_view)>& sameButCase) {
    if (name.size() > 1 && name.front() == '#') {
        const std::optional<long> number = PlainWholeNumber(name.substr(1), false);
        if (number && *number >= 1 && *number <= count) return {static_cast<int>(*number), {}};
        return {0, "There is no " + std::string(what) + " " + std::string(name) +
                       ": the section holds " + std::to_string(count) + "."};
    }
    std::vector<int> exact, folded;
    for (int entry = 1; entry <= count; ++entry) {
        const std::string shown = nameOf(entry);
        if (shown == name) exact.push_back(entry);
        else if (sameButCase(shown, name)) folded.push_back(entry);
    }
    const std::vector<int>& found = exact.empty() ? folded : exact;
    if (found.size() == 1) return {found.front(), {}};
    const std::string named = std::string(what) + " \"" + std::string(name) + "\"";
    if (found.empty()) return {0, "There is no " + named + "."};
    return {0, "The " + named + " is not one " + std::string(kind) + " but " +
                   std::to_string(found.size()) + ": " + Numbers(found) + "; name one by its number."};
}

RecordLookup FindRecord(const RulesDocument& document, SectionId section, std::string_view name) {
    return FindNamed(
        RecordCount(document, section), name, SectionWord(section), "record",
        [&](int record) { return RecordName(document, section, record); }, SameAsciiIgnoringCase);
}

std::string Assign(RulesDocument& document, SectionId section, int record,
                   std::span<const Assignment> assignments) {
    // Each value is read against the document as the ones before it left it,
    // so each is applied at once; a refusal puts back what was applied.
    EditPlan undo;
    const auto fail = [&](std::string problem) {
        Apply(document, undo);
        return problem;
    };
    const std::string recordName = RecordName(document, section, record);
    for (const Assignment& assignment : assignments) {
        const std::optional<int> field = FindField(section, assignment.field);
        if (!field)
            return fail("A " + std::string(SectionWord(section)) + " has no field \"" + assignment.field +
                        "\"; its fields are " + Headings(section) + ".");
        const FieldRef ref{section, record, *field};
        const ParsedValue parsed = ParseDisplayText(document, ref, assignment.value);
        if (!parsed.problem.empty())
            return fail(std::string(InfoOf(ref).heading) + " of \"" + recordName +
                        "\" cannot be \"" + assignment.value + "\": " +
                        parsed.problem);  // a sentence of its own
        EditPlan step;
        step.edits.push_back({ref, parsed.stored});
        EditPlan back = Apply(document, step);
        undo.edits.insert(undo.edits.begin(), back.edits.begin(), back.edits.end());
    }
    return {};
}

}  // namespace rules
