#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "rules/document/advance_table.h"
#include "rules/document/findings.h"
#include "rules/document/record_fields.h"
#include "rules/document/unit_table.h"

namespace rules {

// The values a number or choice field may take.
struct ValueRange {
    int minimum;
    int maximum;
};

// What a field holds, which decides how it is shown, edited and checked:
// the record's name, another free text (an advance's abbreviation), a plain
// number, a number shown as one of its words, an advance by abbreviation
// ("nil"/"no" for none), or the fifteen flags.
enum class FieldKind { Name, Text, Number, Choice, Advance, Flags };

// Everything the editor knows about one field, declared once: the forms, the
// Table page, CSV, the check, the quick fixes, the comparison, the undo
// steps' names and the command-line tool all read it, so they cannot
// disagree about what a field is called or what it may hold.
struct ColumnInfo {
    SectionId section;
    int field;
    // Running English, lower case but for proper words: "hit points",
    // "AI value". Messages and undo steps use it.
    std::string_view label;
    // The Table page's column heading, which CSV and `set` use too.
    std::string_view heading;
    FieldKind kind;
    // Number and Choice: the values the forms offer; the check warns outside.
    ValueRange range;
    // Choice: the word of each value from range.minimum on. Flags: the
    // caption of each check box, box 1 first.
    std::span<const std::string_view> words;
    // Characters that would end the field when its line is read again.
    std::string_view refused;
    // Where a unit's or an advance's field lives in its record.
    std::string UnitRecord::* unitMember = nullptr;
    std::string AdvanceRecord::* advanceMember = nullptr;
    // The letter the writer puts after the number ('a' after a unit's
    // attack, ',' after a cosmic value), which reading the line again drops;
    // '\0' for none.
    char letterAfter = '\0';
    // What else a value must be to be stored, beyond its kind, its range and
    // its refused characters (an abbreviation's three characters, its being
    // no one else's): the problem with `stored`, or "" when it may be.
    // Every way of giving a field a value reads it through ParseDisplayText,
    // which asks this.
    std::string (*valueRule)(const RulesDocument& document, const FieldRef& ref,
                             std::string_view stored) = nullptr;

    bool IsNumeric() const { return kind == FieldKind::Number || kind == FieldKind::Choice; }
    bool MinusAllowed() const { return range.minimum < 0; }
};

// The fields of a section in the order they stand on its lines (cosmic: the
// one column "value", which every cosmic value's own declaration refines).
std::span<const ColumnInfo> ColumnInfos(SectionId section);
// One field; the field must exist. For the cosmic section this is the column
// shared by all 21 values, with no range of its own: ask InfoOf(ref) for a
// value's label and range.
const ColumnInfo& InfoOf(SectionId section, int field);
// The declaration of the field at `ref`: a cosmic value's own (its label the
// English comment, its heading its key, its range), any other field's
// column. The record of a cosmic reference must be 1 to 21.
const ColumnInfo& InfoOf(const FieldRef& ref);

// The field whose Table heading or label is `name`, letter case ignored and
// " ", "-" and "_" taken alike ("hit-points", "Prerequisite_1"); nothing
// when no field of the section is called so.
std::optional<int> FindField(SectionId section, std::string_view name);

// The word a choice field shows for `value` ("Sea" for a domain of 2); ""
// for a value without a word.
std::string_view ChoiceWord(SectionId section, int field, long value);
const char* EpochName(int epoch);        // "Ancient" .. "Modern"; "" outside 0..3
const char* CategoryName(int category);  // "Military" .. "Applied"; "" outside 0..4
const char* DomainName(int domain);      // "Land", "Air", "Sea"; "" otherwise
const char* RoleName(int role);          // "Attack" .. "Trade"; "" otherwise
// The caption of flag check box k (1..15) as the Units page shows it.
const char* FlagCaption(int checkBox);

}  // namespace rules
