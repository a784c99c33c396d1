#pragma once

#include <string>
#include <string_view>

#include "rules/document/findings.h"

namespace rules {

class RulesDocument;
struct UnitRecord;
struct AdvanceRecord;

// The fields of a unit line, in the order they stand on it.
enum class UnitField : int {
    Name, ObsoleteBy, Domain, Moves, Rounds, Attack, Defense, HitPoints, Firepower, Cost, Hold,
    Role, Prereq, Flags, Count
};
// The fields of an advance line, in the order they stand on it.
enum class AdvanceField : int {
    Name, AiValue, Modifier, Prereq1, Prereq2, Epoch, Category, Abbrev, Count
};

// One editable text of the document: field `field` of advance or unit
// `record` (1-based), or cosmic value `record` (1 to 21, field 0). Every
// edit, comparison and table cell addresses the tables this way.
struct FieldRef {
    SectionId section = SectionId::Units;
    int record = 0;
    int field = 0;

    bool operator==(const FieldRef&) const = default;
};

inline FieldRef UnitFieldRef(int unit, UnitField field) {
    return {SectionId::Units, unit, static_cast<int>(field)};
}
inline FieldRef AdvanceFieldRef(int advance, AdvanceField field) {
    return {SectionId::Advances, advance, static_cast<int>(field)};
}
inline FieldRef CosmicFieldRef(int position) { return {SectionId::Cosmic, position, 0}; }

// Fields per record of a section (cosmic: 1).
int FieldCount(SectionId section);
// How many records the section holds now (cosmic: 21).
int RecordCount(const RulesDocument& document, SectionId section);
// The field's name in running English, lower case: "attack", "hit points",
// "prerequisite 1", "abbreviation"; a cosmic value's is "value".
std::string_view FieldLabel(SectionId section, int field);
// Whether the field holds a plain number (cosmic values, unit numbers, an
// advance's AI value, modifier, epoch and category).
bool IsNumericField(SectionId section, int field);
// Whether the field names an advance by abbreviation ("nil"/"no" for none).
bool IsAdvanceField(SectionId section, int field);

// Field `field` (UnitField, AdvanceField) of one record.
const std::string& FieldOf(const UnitRecord& record, int field);
std::string& FieldOf(UnitRecord& record, int field);
const std::string& FieldOf(const AdvanceRecord& record, int field);
std::string& FieldOf(AdvanceRecord& record, int field);

// The text of a field. The reference must name an existing record.
const std::string& FieldText(const RulesDocument& document, const FieldRef& ref);
void SetFieldText(RulesDocument& document, const FieldRef& ref, std::string text);
// The text the field had when the file was read or last saved.
const std::string& SavedFieldText(const RulesDocument& document, const FieldRef& ref);
// Whether the reference names an existing record and field.
bool IsValidField(const RulesDocument& document, const FieldRef& ref);

// The record's name as the user knows it: the unit's or advance's name, or
// the cosmic value's key ("RoadMove").
std::string RecordName(const RulesDocument& document, SectionId section, int record);

}  // namespace rules
