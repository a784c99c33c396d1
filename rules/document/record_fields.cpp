#include "rules/document/record_fields.h"

#include "rules/document/field_table.h"
#include "rules/document/rules_document.h"

namespace rules {

namespace {

std::string UnitRecord::* UnitMember(int field) {
    return InfoOf(SectionId::Units, field).unitMember;
}
std::string AdvanceRecord::* AdvanceMember(int field) {
    return InfoOf(SectionId::Advances, field).advanceMember;
}

}  // namespace

const std::string& FieldOf(const UnitRecord& record, int field) { return record.*UnitMember(field); }
std::string& FieldOf(UnitRecord& record, int field) { return record.*UnitMember(field); }
const std::string& FieldOf(const AdvanceRecord& record, int field) {
    return record.*AdvanceMember(field);
}
std::string& FieldOf(AdvanceRecord& record, int field) { return record.*AdvanceMember(field); }

int FieldCount(SectionId section) { return static_cast<int>(ColumnInfos(section).size()); }

int RecordCount(const RulesDocument& document, SectionId section) {
    switch (section) {
        case SectionId::Units: return document.Units().Count();
        case SectionId::Advances: return document.Advances().Count();
        case SectionId::Cosmic: return kCosmicCount;
    }
    return 0;
}

std::string_view FieldLabel(SectionId section, int field) {
    if (field < 0 || field >= FieldCount(section)) return {};
    return InfoOf(section, field).label;
}

bool IsNumericField(SectionId section, int field) { return InfoOf(section, field).IsNumeric(); }

bool IsAdvanceField(SectionId section, int field) {
    return InfoOf(section, field).kind == FieldKind::Advance;
}

bool IsValidField(const RulesDocument& document, const FieldRef& ref) {
    return ref.record >= 1 && ref.record <= RecordCount(document, ref.section) && ref.field >= 0 &&
           ref.field < FieldCount(ref.section);
}

const std::string& FieldText(const RulesDocument& document, const FieldRef& ref) {
    switch (ref.section) {
        case SectionId::Units: return document.Units().At(ref.record).*UnitMember(ref.field);
        case SectionId::Advances:
            return document.Advances().At(ref.record).*AdvanceMember(ref.field);
        case SectionId::Cosmic: break;
    }
    return document.Cosmic().Value(ref.record - 1);
}

const std::string& SavedFieldText(const RulesDocument& document, const FieldRef& ref) {
    switch (ref.section) {
        case SectionId::Units: return document.Units().Saved(ref.record).*UnitMember(ref.field);
        case SectionId::Advances:
            return document.Advances().Saved(ref.record).*AdvanceMember(ref.field);
        case SectionId::Cosmic: break;
    }
    return document.Cosmic().SavedValue(ref.record - 1);
}

void SetFieldText(RulesDocument& document, const FieldRef& ref, std::string text) {
    switch (ref.section) {
        case SectionId::Units:
            document.Units().At(ref.record).*UnitMember(ref.field) = std::move(text);
            return;
        case SectionId::Advances:
            document.Advances().At(ref.record).*AdvanceMember(ref.field) = std::move(text);
            return;
        case SectionId::Cosmic: document.Cosmic().SetValue(ref.record - 1, std::move(text)); return;
    }
}

std::string RecordName(const RulesDocument& document, SectionId section, int record) {
    if (record < 1 || record > RecordCount(document, section)) return {};
    switch (section) {
        case SectionId::Units: return document.Units().At(record).name;
        case SectionId::Advances: return document.Advances().At(record).name;
        case SectionId::Cosmic: return CosmicNames().at(static_cast<std::size_t>(record - 1));
    }
    return {};
}

}  // namespace rules
