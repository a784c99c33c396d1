#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/field_table.h"
#include "rules/document/record_fields.h"

namespace rules {

// Shorthands over the field table.
inline FieldKind KindOf(SectionId section, int field) { return InfoOf(section, field).kind; }
// A unit's or an advance's column; a cosmic value's range is InfoOf(ref)'s.
inline ValueRange RangeOf(SectionId section, int field) { return InfoOf(section, field).range; }
// The words a Choice field offers, in value order.
std::vector<std::string> ChoiceWords(SectionId section, int field);

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
// This is the one reader of what a user gives a field, whether typed into a
// form or a cell, pasted, imported or set from the command line.
// The text that the cell shows now stores what the field holds, so a value
// copied out and back in changes nothing ("no" stays "no", "007" stays
// "007"). Otherwise: numbers are plain whole numbers within their range;
// choices are one of their words (letter case ignored) or their number;
// advances are "nil", "no", an advance's name or its abbreviation; flags
// follow ReadFlags; names and abbreviations are stored as the file's reader
// would read them back (runs of spaces squeezed), are not empty, and hold
// none of the characters that end the fields of their line.
ParsedValue ParseDisplayText(const RulesDocument& document, const FieldRef& ref,
                             std::string_view text);

// The one flags rule: fifteen characters "0" or "1". A shorter run of them
// is taken as flags whose leading zeros were dropped (as a spreadsheet
// does with "001000000000000"): the zeros come back, and `restored` says so.
// Anything else is no flags.
struct FlagsText {
    std::string flags;
    bool restored = false;
};
std::optional<FlagsText> ReadFlags(std::string_view text);
inline bool WellFormedFlags(std::string_view text) {
    return text.size() == static_cast<std::size_t>(kFlagCount) &&
           text.find_first_not_of("01") == std::string_view::npos;
}

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
