#include "rules/document/record_fields.h"

#include <array>

#include "rules/document/rules_document.h"

namespace rules {

namespace {

constexpr std::array<std::string_view, static_cast<int>(UnitField::Count)> kUnitLabels = {
    "name", "obsolete by", "domain", "moves", "rounds", "attack", "defense",
    "hit points", "firepower", "cost", "hold", "role", "prerequisite", "flags"};
constexpr std::array<std::string_view, static_cast<int>(AdvanceField::Count)> kAdvanceLabels = {
    "name", "AI value", "modifier", "prerequisite 1", "prerequisite 2", "epoch", "category",
    "abbreviation"};

std::string UnitRecord::* UnitMember(int field) {
    static constexpr std::array<std::string UnitRecord::*, static_cast<int>(UnitField::Count)>
        kMembers = {&UnitRecord::name,      &UnitRecord::obsoleteBy, &UnitRecord::domain,
                    &UnitRecord::moves,     &UnitRecord::rounds,     &UnitRecord::attack,
                    &UnitRecord::defense,   &UnitRecord::hitPoints,  &UnitRecord::firepower,
                    &UnitRecord::cost,      &UnitRecord::hold,       &UnitRecord::role,
                    &UnitRecord::prereq,    &UnitRecord::flags};
    return kMembers.at(static_cast<std::size_t>(field));
}

std::string AdvanceRecord::* AdvanceMember(int field) {
    static constexpr std::array<std::string AdvanceRecord::*,
                                static_cast<int>(AdvanceField::Count)>
        kMembers = {&AdvanceRecord::name,    &AdvanceRecord::aiValue,  &AdvanceRecord::modifier,
                    &AdvanceRecord::prereq1, &AdvanceRecord::prereq2,  &AdvanceRecord::epoch,
                    &AdvanceRecord::category, &AdvanceRecord::abbrev};
    return kMembers.at(static_cast<std::size_t>(field));
}

}  // namespace

const std::string& FieldOf(const UnitRecord& record, int field) { return record.*UnitMember(field); }
std::string& FieldOf(UnitRecord& record, int field) { return record.*UnitMember(field); }
const std::string& FieldOf(const AdvanceRecord& record, int field) {
    return record.*AdvanceMember(field);
}
std::string& FieldOf(AdvanceRecord& record, int field) { return record.*AdvanceMember(field); }

int FieldCount(SectionId section) {
    switch (section) {
        case SectionId::Units: return static_cast<int>(UnitField::Count);
        case SectionId::Advances: return static_cast<int>(AdvanceField::Count);
        case SectionId::Cosmic: return 1;
    }
    return 0;
}

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
    switch (section) {
        case SectionId::Units: return kUnitLabels[static_cast<std::size_t>(field)];
        case SectionId::Advances: return kAdvanceLabels[static_cast<std::size_t>(field)];
        case SectionId::Cosmic: return "value";
    }
    return {};
}

bool IsNumericField(SectionId section, int field) {
    switch (section) {
        case SectionId::Cosmic: return true;
        case SectionId::Units: {
            const auto f = static_cast<UnitField>(field);
            return f >= UnitField::Domain && f <= UnitField::Role;
        }
        case SectionId::Advances: {
            const auto f = static_cast<AdvanceField>(field);
            return f == AdvanceField::AiValue || f == AdvanceField::Modifier ||
                   f == AdvanceField::Epoch || f == AdvanceField::Category;
        }
    }
    return false;
}

bool IsAdvanceField(SectionId section, int field) {
    if (section == SectionId::Units) {
        const auto f = static_cast<UnitField>(field);
        return f == UnitField::ObsoleteBy || f == UnitField::Prereq;
    }
    if (section == SectionId::Advances) {
        const auto f = static_cast<AdvanceField>(field);
        return f == AdvanceField::Prereq1 || f == AdvanceField::Prereq2;
    }
    return false;
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
