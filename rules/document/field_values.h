#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/record_fields.h"
#include "rules/document/unit_table.h"

namespace rules {

// How a field is shown and edited as one cell of a table: the words of a
// radio group, an advance by name, the fifteen flags, a number within the
// range its spinner offers, or free text.
enum class FieldKind { Text, Number, Choice, Advance, Flags };
FieldKind KindOf(SectionId section, int field);

// The words a Choice field offers, in value order: domain "Land", "Air",
// "Sea"; role "Attack" .. "Trade"; epoch and category as their names.
std::vector<std::string> ChoiceWords(SectionId section, int field);
const char* DomainName(int domain);  // "" outside 0..2
const char* RoleName(int role);      // "" outside 0..7
// The caption of flag check box k (1..15) as the Units page shows it.
const char* FlagCaption(int checkBox);

// The values a Number or Choice field may take: the spinners' and radio
// groups' ranges, and for the fields without a control of their own (an
// advance's AI value and modifier, the cosmic values) the plain numbers the
// check accepts.
ValueRange RangeOf(SectionId section, int field);

// A field's text as a table shows it (Windows-1252 bytes): numbers exactly
// as in the file; domain, role, epoch and category as their words when they
// hold one of their values; an advance by the name of the first advance with
// that abbreviation ("nil" for none, the text itself when no advance has it);
// everything else as stored.
std::string DisplayText(const RulesDocument& document, const FieldRef& ref);

// What a typed, pasted or imported text (Windows-1252 bytes) stores in the
// field, or why it is refused.
struct ParsedValue {
    std::string stored;
    std::string problem;  // empty when accepted
};
// The text that the cell shows now stores what the field holds, so a value
// copied out and back in changes nothing ("no" stays "no", "007" stays
// "007"). Otherwise: numbers are plain whole numbers within RangeOf; choices
// are one of their words (letter case ignored) or their number; advances are
// "nil", an advance's name or its abbreviation; flags are at most fifteen
// "0"/"1"; names and abbreviations must not hold the characters that end
// the fields of their line.
ParsedValue ParseDisplayText(const RulesDocument& document, const FieldRef& ref,
                             std::string_view text);

// A plain whole number ("-" allowed when `minusAllowed`): digits only, at
// least one; nothing for any other text. Values too large for any field are
// capped at 1,000,000,000, which keeps them out of every range. Inline: the
// rules check reads every numeric field this way, some twice.
inline std::optional<long> PlainWholeNumber(std::string_view text, bool minusAllowed) {
    bool negative = false;
    if (minusAllowed && !text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 1'000'000'000L);
    }
    return negative ? -value : value;
}

// The three ways a selection of numbers can be adjusted at once.
enum class AdjustMode { SetTo, Add, MultiplyPercent };
// The number adjusted: set to `amount`, `amount` added, or multiplied by
// `amount` percent, rounded half away from zero, then kept within `range`.
long AdjustNumber(long value, AdjustMode mode, double amount, ValueRange range);

}  // namespace rules
