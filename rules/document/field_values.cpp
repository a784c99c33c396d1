#include "rules/document/field_values.h"

#include <array>
#include <cmath>
#include <limits>

#include "rules/document/rules_document.h"

namespace rules {

namespace {

constexpr std::array<const char*, 3> kDomains = {"Land", "Air", "Sea"};
constexpr std::array<const char*, 8> kRoles = {"Attack",        "Defend", "Naval Superiority",
                                               "Air Superiority", "Sea Transport", "Settle",
                                               "Diplomacy",     "Trade"};
constexpr std::array<const char*, kFlagCount> kFlagCaptions = {
    "Two space visibility",
    "Ignore zones of control",
    "Can make amphibious assaults",
    "Submarine advantages/disadvantages",
    "Can attack air units (fighter)",
    "Ship must stay near land (trireme)",
    "Negates city walls (howitzer)",
    " Can carry air units (carrier)",
    " Can make paradrops",
    "Alpine (treats all squares as road)",
    "x2 on defense versus horse (pikemen)",
    "Free support for fundamentalism (fanatics)",
    "Destroyed after attacking (missiles)",
    "x2 on defense versus air (AEGIS)",
    "Unit can spot submarines",
};

// Numbers beyond this are not worth keeping apart; the check clamps the same way.
constexpr long kLargest = 999'999'999;

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Characters that end a field of the record's line when it is read again.
std::string_view Separators(SectionId section) {
    switch (section) {
        case SectionId::Units: return ",";
        case SectionId::Advances: return ",;";
        case SectionId::Cosmic: return ",; ";
    }
    return ",";
}

std::string AdvanceShown(const AdvanceTable& advances, const std::string& abbrev) {
    if (IsNoAdvance(abbrev)) return "nil";
    if (const int number = advances.FindByAbbrev(abbrev)) return advances.At(number).name;
    return abbrev;
}

}  // namespace

FieldKind KindOf(SectionId section, int field) {
    if (IsAdvanceField(section, field)) return FieldKind::Advance;
    if (section == SectionId::Units) {
        switch (static_cast<UnitField>(field)) {
            case UnitField::Domain:
            case UnitField::Role: return FieldKind::Choice;
            case UnitField::Flags: return FieldKind::Flags;
            default: break;
        }
    } else if (section == SectionId::Advances) {
        const auto f = static_cast<AdvanceField>(field);
        if (f == AdvanceField::Epoch || f == AdvanceField::Category) return FieldKind::Choice;
    }
    return IsNumericField(section, field) ? FieldKind::Number : FieldKind::Text;
}

std::vector<std::string> ChoiceWords(SectionId section, int field) {
    std::vector<std::string> words;
    if (section == SectionId::Units && field == static_cast<int>(UnitField::Domain)) {
        words.assign(kDomains.begin(), kDomains.end());
    } else if (section == SectionId::Units && field == static_cast<int>(UnitField::Role)) {
        words.assign(kRoles.begin(), kRoles.end());
    } else if (section == SectionId::Advances && field == static_cast<int>(AdvanceField::Epoch)) {
        for (int k = 0; k < kEpochCount; ++k) words.emplace_back(EpochName(k));
    } else if (section == SectionId::Advances &&
               field == static_cast<int>(AdvanceField::Category)) {
        for (int k = 0; k < kCategoryCount; ++k) words.emplace_back(CategoryName(k));
    }
    return words;
}

const char* DomainName(int domain) {
    return domain >= 0 && domain < 3 ? kDomains[static_cast<std::size_t>(domain)] : "";
}
const char* RoleName(int role) {
    return role >= 0 && role < 8 ? kRoles[static_cast<std::size_t>(role)] : "";
}
const char* FlagCaption(int checkBox) {
    return checkBox >= 1 && checkBox <= kFlagCount
               ? kFlagCaptions[static_cast<std::size_t>(checkBox - 1)]
               : "";
}

ValueRange RangeOf(SectionId section, int field) {
    namespace r = unit_range;
    if (section == SectionId::Units) {
        switch (static_cast<UnitField>(field)) {
            case UnitField::Domain: return r::kDomain;
            case UnitField::Moves: return r::kMoves;
            case UnitField::Rounds: return r::kRounds;
            case UnitField::Attack: return r::kAttack;
            case UnitField::Defense: return r::kDefense;
            case UnitField::HitPoints: return r::kHitPoints;
            case UnitField::Firepower: return r::kFirepower;
            case UnitField::Cost: return r::kCost;
            case UnitField::Hold: return r::kHold;
            case UnitField::Role: return r::kRole;
            default: break;
        }
    } else if (section == SectionId::Advances) {
        switch (static_cast<AdvanceField>(field)) {
            case AdvanceField::Modifier: return {-kLargest, kLargest};
            case AdvanceField::Epoch: return {0, kEpochCount - 1};
            case AdvanceField::Category: return {0, kCategoryCount - 1};
            default: break;
        }
    }
    return {0, kLargest};
}

std::string DisplayText(const RulesDocument& document, const FieldRef& ref) {
    const std::string& text = FieldText(document, ref);
    switch (KindOf(ref.section, ref.field)) {
        case FieldKind::Advance: return AdvanceShown(document.Advances(), text);
        case FieldKind::Choice: {
            // Only the plain numbers the radio group offers show as words;
            // anything else shows as it stands, so it can be seen and mended.
            const std::optional<long> value = PlainWholeNumber(text, false);
            const std::vector<std::string> words = ChoiceWords(ref.section, ref.field);
            if (value && *value >= 0 && *value < static_cast<long>(words.size()) &&
                std::to_string(*value) == text)
                return words[static_cast<std::size_t>(*value)];
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
    const ValueRange range = RangeOf(ref.section, ref.field);
    const auto number = [&](std::string_view digits) -> ParsedValue {
        const std::optional<long> value = PlainWholeNumber(digits, range.minimum < 0);
        if (!value) return {{}, "\"" + std::string(text) + "\" is not a whole number."};
        if (*value < range.minimum || *value > range.maximum)
            return {{}, std::to_string(*value) + " is outside " + std::to_string(range.minimum) +
                            " to " + std::to_string(range.maximum) + "."};
        return {std::to_string(*value), {}};
    };
    switch (KindOf(ref.section, ref.field)) {
        case FieldKind::Number: return number(text);
        case FieldKind::Choice: {
            const std::vector<std::string> words = ChoiceWords(ref.section, ref.field);
            for (std::size_t k = 0; k < words.size(); ++k)
                if (EqualIgnoringCase(words[k], text)) return {std::to_string(k), {}};
            ParsedValue parsed = number(text);
            if (!parsed.problem.empty() && !PlainWholeNumber(text, false)) {
                std::string list;
                for (const std::string& word : words) list += (list.empty() ? "" : ", ") + word;
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
            if (text.size() > static_cast<std::size_t>(kFlagCount) ||
                text.find_first_not_of("01") != std::string_view::npos)
                return {{}, "Flags are at most 15 characters \"0\" or \"1\"."};
            return {std::string(text), {}};
        }
        case FieldKind::Text: break;
    }
    const bool isName = ref.field == 0;
    if (isName && text.empty()) return {{}, "A name cannot be empty."};
    for (char c : Separators(ref.section)) {
        if (text.find(c) != std::string_view::npos)
            return {{}, std::string("The character \"") + c +
                            "\" separates the fields of the rules file, so it cannot be part "
                            "of this text."};
    }
    return {std::string(text), {}};
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
