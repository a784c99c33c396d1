#include "rules/edits/field_assignment.h"

#include <algorithm>
#include <vector>

#include "rules/document/field_values.h"
#include "rules/document/rules_document.h"

namespace rules {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

const char* SectionWord(SectionId section) {
    switch (section) {
        case SectionId::Units: return "unit";
        case SectionId::Advances: return "advance";
        case SectionId::Cosmic: break;
    }
    return "cosmic value";
}

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
    for (const FieldInfo& info : FieldInfos(section)) {
        if (!text.empty()) text += ", ";
        text += info.heading;
    }
    return text;
}

}  // namespace

std::optional<SectionId> SectionNamed(std::string_view word) {
    for (const SectionId section : {SectionId::Units, SectionId::Advances, SectionId::Cosmic}) {
        const std::string_view singular = section == SectionId::Cosmic ? "cosmic" : SectionWord(section);
        if (SameLetters(word, singular) ||
            (section != SectionId::Cosmic && SameLetters(word, std::string(singular) + "s")))
            return section;
    }
    return std::nullopt;
}

RecordLookup FindRecord(const RulesDocument& document, SectionId section, std::string_view name) {
    const int count = RecordCount(document, section);
    if (name.size() > 1 && name.front() == '#') {
        const std::optional<long> number = PlainWholeNumber(name.substr(1), false);
        if (number && *number >= 1 && *number <= count) return {static_cast<int>(*number), {}};
        return {0, "There is no " + std::string(SectionWord(section)) + " " + std::string(name) +
                       ": the section holds " + std::to_string(count) + "."};
    }
    std::vector<int> exact, folded;
    for (int record = 1; record <= count; ++record) {
        const std::string shown = RecordName(document, section, record);
        if (shown == name) exact.push_back(record);
        else if (SameLetters(shown, name)) folded.push_back(record);
    }
    const std::vector<int>& found = exact.empty() ? folded : exact;
    if (found.size() == 1) return {found.front(), {}};
    const std::string what = std::string(SectionWord(section)) + " \"" + std::string(name) + "\"";
    if (found.empty()) return {0, "There is no " + what + "."};
    return {0, "The " + what + " is not one record but " + std::to_string(found.size()) + ": " +
                   Numbers(found) + "; name one by its number."};
}

std::string Assign(RulesDocument& document, SectionId section, int record,
                   std::span<const Assignment> assignments) {
    struct Undo {
        FieldRef ref;
        std::string text;
    };
    std::vector<Undo> undo;
    const auto fail = [&](std::string problem) {
        for (auto it = undo.rbegin(); it != undo.rend(); ++it) SetFieldText(document, it->ref, it->text);
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
        undo.push_back({ref, FieldText(document, ref)});
        SetFieldText(document, ref, parsed.stored);
    }
    return {};
}

}  // namespace rules
