#include "rules/document/field_values.h"

#include <cmath>
#include <limits>

#include "rules/document/rules_document.h"
#include "rules/document/text_routines.h"

namespace rules {

namespace {

std::string AdvanceShown(const AdvanceTable& advances, const std::string& abbrev) {
    // "no" is shown as itself: it is no "nil" but an advance no one can
    // reach, and whatever is exported and read back must keep it.
    if (IsNoAdvance(abbrev)) return abbrev;
    if (const int number = advances.FindByAbbrev(abbrev)) return advances.At(number).name;
    return abbrev;
}

}  // namespace

std::vector<std::string> ChoiceWords(SectionId section, int field) {
    const ColumnInfo& info = InfoOf(section, field);
    if (info.kind != FieldKind::Choice) return {};
    return {info.words.begin(), info.words.end()};
}

std::optional<FlagsText> ReadFlags(std::string_view text) {
    if (text.empty() || text.size() > static_cast<std::size_t>(kFlagCount) ||
        text.find_first_not_of("01") != std::string_view::npos)
        return std::nullopt;
    const std::size_t missing = static_cast<std::size_t>(kFlagCount) - text.size();
    return FlagsText{std::string(missing, '0') + std::string(text), missing > 0};
}

std::string DisplayText(const RulesDocument& document, const FieldRef& ref) {
    const std::string& text = FieldText(document, ref);
    switch (KindOf(ref.section, ref.field)) {
        case FieldKind::Advance: return AdvanceShown(document.Advances(), text);
        case FieldKind::Choice: {
            // Only the plain numbers the radio group offers show as words;
            // anything else shows as it stands, so it can be seen and mended.
            const std::optional<long> value = PlainWholeNumber(text, false);
            const std::string_view word =
                value ? ChoiceWord(ref.section, ref.field, *value) : std::string_view();
            if (!word.empty() && std::to_string(*value) == text) return std::string(word);
            return text;
        }
        default: return text;
    }
}

ParsedValue ParseDisplayText(const RulesDocument& document, const FieldRef& ref,
                             std::string_view text) {
    if (!IsValidField(document, ref)) return {{}, "There is no such field."};
    if (text == DisplayText(document, ref)) return {FieldText(document, ref), {}};
    for (char c : text) {
        if (c == '\n' || c == '\r' || c == '\t') return {{}, "A line break or tab cannot be part of this text."};
    }
    const ColumnInfo& info = InfoOf(ref);
    const ValueRange range = info.range;
    const auto number = [&](std::string_view digits) -> ParsedValue {
        const std::optional<long> value = PlainWholeNumber(digits, range.minimum < 0);
        if (!value) return {{}, "\"" + std::string(text) + "\" is not a whole number."};
        if (*value < range.minimum || *value > range.maximum)
            return {{}, std::to_string(*value) + " is outside " + std::to_string(range.minimum) +
                            " to " + std::to_string(range.maximum) + "."};
        return {std::to_string(*value), {}};
    };
    switch (info.kind) {
        case FieldKind::Number: return number(text);
        case FieldKind::Choice: {
            for (std::size_t k = 0; k < info.words.size(); ++k)
                if (SameAsciiIgnoringCase(info.words[k], text))
                    return {std::to_string(range.minimum + static_cast<long>(k)), {}};
            ParsedValue parsed = number(text);
            if (!parsed.problem.empty() && !PlainWholeNumber(text, false)) {
                std::string list;
                for (std::string_view word : info.words)
                    list.append(list.empty() ? "" : ", ").append(word);
                parsed.problem = "\"" + std::string(text) + "\" is none of " + list + ".";
            }
            return parsed;
        }
        case FieldKind::Advance: {
            const AdvanceTable& advances = document.Advances();
            if (IsNoAdvance(text)) return {std::string(text), {}};
            if (const int byName = advances.FindByName(text))
                return {advances.At(byName).abbrev, {}};
            if (advances.FindByAbbrev(text)) return {std::string(text), {}};
            return {{}, "\"" + std::string(text) + "\" is neither \"nil\" nor an advance."};
        }
        case FieldKind::Flags: {
            if (const std::optional<FlagsText> flags = ReadFlags(text)) return {flags->flags, {}};
            return {{}, "Flags are 15 characters \"0\" or \"1\"."};
        }
        case FieldKind::Name:
        case FieldKind::Text: break;
    }
    // Stored as the file's reader will read it back, or the comparison and
    // the kept versions would find differences that are not there.
    std::string stored(text);
    SqueezeSpaces(stored);
    if (stored.empty())
        return {{}, info.kind == FieldKind::Name ? "A name cannot be empty."
                                                 : "This text cannot be empty."};
    if (info.kind == FieldKind::Name && stored.front() == '@')
        return {{}, "A name cannot begin with \"@\", which starts a section of the rules file."};
    for (char c : info.refused) {
        if (stored.find(c) != std::string::npos)
            return {{}, std::string("The character \"") + c +
                            "\" separates the fields of the rules file, so it cannot be part "
                            "of this text."};
    }
    if (info.valueRule)
        if (std::string problem = info.valueRule(document, ref, stored); !problem.empty())
            return {{}, std::move(problem)};
    return {std::move(stored), {}};
}

long AdjustNumber(long value, AdjustMode mode, double amount, ValueRange range) {
    double result = static_cast<double>(value);
    switch (mode) {
        case AdjustMode::SetTo: result = amount; break;
        case AdjustMode::Add: result = result + amount; break;
        case AdjustMode::MultiplyPercent: result = result * amount / 100.0; break;
    }
    if (std::isnan(result)) return range.minimum;
    // std::round rounds halves away from zero.
    result = std::round(result);
    if (result < static_cast<double>(range.minimum)) return range.minimum;
    if (result > static_cast<double>(range.maximum)) return range.maximum;
    return static_cast<long>(result);
}

}  // namespace rules
