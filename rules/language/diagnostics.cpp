#include "rules/language/diagnostics.h"

#include "rules/check/rules_check.h"
#include "rules/document/cp1252.h"
#include "rules/language/document_map.h"

namespace rules::language {

namespace {

constexpr std::size_t kMostUnstorable = 100;

TextRange PlaceOf(const DocumentMap& map, const Problem& problem) {
    if (problem.line < 0) return {};
    if (problem.record > 0 && problem.field >= 0 &&
        map.LineOf(problem.section, problem.record) == problem.line)
        return map.FieldRange({problem.section, problem.record, problem.field});
    return map.LineRange(problem.line);
}

std::string CharacterAt(const EditorText& text, TextPoint place) {
    const std::string_view line = text.Line(place.line);
    std::size_t offset = 0;
    for (int k = 0; k < place.column && offset < line.size(); ++k)
        offset +=
            static_cast<std::size_t>(Utf8SequenceLength(static_cast<unsigned char>(line[offset])));
    if (offset >= line.size()) return "?";
    return std::string(line.substr(offset, static_cast<std::size_t>(Utf8SequenceLength(
                                               static_cast<unsigned char>(line[offset])))));
}

}  // namespace

std::vector<Diagnostic> Diagnose(const OpenDocument& document, const CheckChoice& choice) {
    const RulesDocument& rules = document.Rules();
    const DocumentMap& map = document.Map();
    Problems problems;
    if (std::optional<Problem> notRules = NotARulesFile(rules))
        problems.push_back(std::move(*notRules));
    else
        problems = document.CheckedProblems(choice);

    std::vector<Diagnostic> diagnostics;
    diagnostics.reserve(problems.size());
    for (Problem& problem : problems) {
        Diagnostic& d = diagnostics.emplace_back();
        d.range = PlaceOf(map, problem);
        d.severity = problem.severity;
        d.code = problem.check;
        d.message = problem.text;
        for (const Problem& note : problem.notes)
            d.related.push_back({PlaceOf(map, note), note.text});
        if (problem.other > 0) {
            const int line = map.LineOf(problem.section, problem.other);
            if (line >= 0) d.related.push_back({map.LineRange(line), OtherRecordText(problem)});
        }
        d.problem = std::move(problem);
    }

    const EditorText& text = document.Text();
    const std::vector<TextPoint>& unstorable = document.Unstorable();
    for (std::size_t k = 0; k < unstorable.size() && k < kMostUnstorable; ++k) {
        const TextPoint place = unstorable[k];
        Diagnostic& d = diagnostics.emplace_back();
        d.range = {place, {place.line, place.column + 1}};
        d.code = kNotWindows1252;
        d.message = "\"" + CharacterAt(text, place) +
                    "\" is no Windows-1252 character, so the rules file cannot hold it.";
        d.problem.check = kNotWindows1252;
        d.problem.line = place.line;
    }
    return diagnostics;
}

}  // namespace rules::language
