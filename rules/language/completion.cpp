#include "rules/language/completion.h"

#include <algorithm>
#include <cstdio>

#include "rules/document/cp1252.h"
#include "rules/document/field_spans.h"
#include "rules/document/text_routines.h"
#include "rules/language/document_map.h"
#include "rules/tree/tech_tree.h"

namespace rules::language {

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
    return start.size() <= text.size() && SameAsciiIgnoringCase(text.substr(0, start.size()), start);
}

std::string SortKey(int group, int number) {
    char key[16];
    std::snprintf(key, sizeof key, "%d%03d", group, number);
    return key;
}

}  // namespace

std::optional<Completion> CompleteAt(const OpenDocument& document, TextPoint place) {
    const RulesDocument& rules = document.Rules();
    const SectionPlace* section = document.Map().SectionAt(place.line);
    if (!section || !section->table || *section->table == SectionId::Cosmic ||
        place.line == section->header)
        return std::nullopt;
    const SectionId id = *section->table;
    const std::string_view line = rules.Lines().GetLine(place.line);
    const int field = FieldAtColumn(id, line, place.column);
    if (!IsAdvanceField(id, field)) return std::nullopt;
    const FieldSpan span = RecordFieldSpans(id, line).at(static_cast<std::size_t>(field));

    Completion completion;
    const int begin = std::min(span.begin, place.column);
    completion.replace = {{place.line, begin}, {place.line, std::max(span.end, place.column)}};
    const std::string typed(line.substr(static_cast<std::size_t>(begin),
                                        static_cast<std::size_t>(place.column - begin)));

    for (const auto& [word, meaning] : {std::pair{"nil", "no advance"}, std::pair{"no", "never"}})
        if (StartsWithIgnoringCase(word, typed))
            completion.entries.push_back({word, meaning, word, SortKey(0, 0)});

    const AdvanceTable& advances = rules.Advances();
    std::vector<int> found;
    if (typed.empty()) {
        for (int k = 1; k <= advances.Count(); ++k) found.push_back(k);
    } else {
        // Each keystroke asks again: the names are matched without a tree.
        found = FindAdvances(advances, typed);
    }
    for (const int k : found) {
        const AdvanceRecord& advance = advances.At(k);
        // Look-ups find the first advance with an abbreviation; a later one
        // cannot be named.
        if (document.Map().AdvanceNamed(advance.abbrev) != k) continue;
        const bool byAbbrev = StartsWithIgnoringCase(advance.abbrev, typed);
        const int group = byAbbrev ? 1 : StartsWithIgnoringCase(advance.name, typed) ? 2 : 3;
        const std::string abbrev = Cp1252ToUtf8(advance.abbrev);
        completion.entries.push_back(
            {abbrev, Cp1252ToUtf8(advance.name),
             byAbbrev ? abbrev + " " + Cp1252ToUtf8(advance.name) : Cp1252ToUtf8(typed),
             SortKey(group, k)});
    }
    return completion;
}

}  // namespace rules::language
