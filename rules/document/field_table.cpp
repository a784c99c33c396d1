#include "rules/document/field_table.h"

#include <array>

#include "rules/document/cosmic_section.h"
#include "rules/document/ui_text.h"
#include "rules/document/value_rules.h"

namespace rules {

namespace {

using namespace std::string_view_literals;

constexpr std::array<std::string_view, 3> kDomains = {RULES_UI_TEXT("rules::Choice", "Land"),
                                                      RULES_UI_TEXT("rules::Choice", "Air"),
                                                      RULES_UI_TEXT("rules::Choice", "Sea")};
constexpr std::array<std::string_view, 8> kRoles = {
    RULES_UI_TEXT("rules::Choice", "Attack"),
    RULES_UI_TEXT("rules::Choice", "Defend"),
    RULES_UI_TEXT("rules::Choice", "Naval Superiority"),
    RULES_UI_TEXT("rules::Choice", "Air Superiority"),
    RULES_UI_TEXT("rules::Choice", "Sea Transport"),
    RULES_UI_TEXT("rules::Choice", "Settle"),
    RULES_UI_TEXT("rules::Choice", "Diplomacy"),
    RULES_UI_TEXT("rules::Choice", "Trade")};
constexpr std::array<std::string_view, 4> kEpochs = {
    RULES_UI_TEXT("rules::Choice", "Ancient"), RULES_UI_TEXT("rules::Choice", "Renaissance"),
    RULES_UI_TEXT("rules::Choice", "Industrial Revolution"),
    RULES_UI_TEXT("rules::Choice", "Modern")};
constexpr std::array<std::string_view, 5> kCategories = {
    RULES_UI_TEXT("rules::Choice", "Military"), RULES_UI_TEXT("rules::Choice", "Economic"),
    RULES_UI_TEXT("rules::Choice", "Social"), RULES_UI_TEXT("rules::Choice", "Academic"),
    RULES_UI_TEXT("rules::Choice", "Applied")};
static_assert(kEpochs.size() == kEpochCount && kCategories.size() == kCategoryCount);
constexpr std::array<std::string_view, 15> kFlagCaptions = {
    RULES_UI_TEXT("rules::Flag", "Two space visibility"),
    RULES_UI_TEXT("rules::Flag", "Ignore zones of control"),
    RULES_UI_TEXT("rules::Flag", "Can make amphibious assaults"),
    RULES_UI_TEXT("rules::Flag", "Submarine advantages/disadvantages"),
    RULES_UI_TEXT("rules::Flag", "Can attack air units (fighter)"),
    RULES_UI_TEXT("rules::Flag", "Ship must stay near land (trireme)"),
    RULES_UI_TEXT("rules::Flag", "Negates city walls (howitzer)"),
    RULES_UI_TEXT("rules::Flag", " Can carry air units (carrier)"),
    RULES_UI_TEXT("rules::Flag", " Can make paradrops"),
    RULES_UI_TEXT("rules::Flag", "Alpine (treats all squares as road)"),
    RULES_UI_TEXT("rules::Flag", "x2 on defense versus horse (pikemen)"),
    RULES_UI_TEXT("rules::Flag", "Free support for fundamentalism (fanatics)"),
    RULES_UI_TEXT("rules::Flag", "Destroyed after attacking (missiles)"),
    RULES_UI_TEXT("rules::Flag", "x2 on defense versus air (AEGIS)"),
    RULES_UI_TEXT("rules::Flag", "Unit can spot submarines"),
};
static_assert(kFlagCaptions.size() == kFlagCount);

// Numbers beyond this are not worth keeping apart; the plain-number reader
// caps at a larger value, which so stays out of every range.
constexpr int kLargest = 999'999'999;
constexpr ValueRange kAny{0, kLargest};
constexpr ValueRange kNone{0, -1};

// A unit line's fields all end at a comma; an advance line's end at a comma,
// its last but one at the ";" before the abbreviation; a cosmic value ends at
// the first space.
constexpr std::string_view kUnitRefused = ",";
constexpr std::string_view kAdvanceRefused = ",;";
constexpr std::string_view kCosmicRefused = ",; ";

constexpr ColumnInfo Unit(UnitField f, std::string_view label, std::string_view heading,
                          FieldKind kind, std::string UnitRecord::*member, ValueRange range = kNone,
                          std::span<const std::string_view> words = {}, char letterAfter = '\0') {
    return {SectionId::Units,
            static_cast<int>(f),
            label,
            heading,
            kind,
            range,
            words,
            kUnitRefused,
            member,
            nullptr,
            letterAfter};
}

constexpr ColumnInfo Advance(AdvanceField f, std::string_view label, std::string_view heading,
                             FieldKind kind, std::string AdvanceRecord::*member,
                             ValueRange range = kNone,
                             std::span<const std::string_view> words = {}) {
    return {SectionId::Advances,
            static_cast<int>(f),
            label,
            heading,
            kind,
            range,
            words,
            kAdvanceRefused,
            nullptr,
            member};
}

using K = FieldKind;
using U = UnitRecord;
using A = AdvanceRecord;

const std::array kUnitFields = {
    Unit(UnitField::Name, "name", RULES_UI_TEXT("rules::Column", "Name"), K::Name, &U::name),
    Unit(UnitField::ObsoleteBy, "obsolete by", RULES_UI_TEXT("rules::Column", "Obsolete by"),
         K::Advance, &U::obsoleteBy),
    Unit(UnitField::Domain, "domain", RULES_UI_TEXT("rules::Column", "Domain"), K::Choice,
         &U::domain, {0, 2}, kDomains),
    Unit(UnitField::Moves, "moves", RULES_UI_TEXT("rules::Column", "Moves"), K::Number, &U::moves,
         {1, 20}, {}, '.'),
    Unit(UnitField::Rounds, "rounds in flight", RULES_UI_TEXT("rules::Column", "Rounds"), K::Number,
         &U::rounds, {0, 8}),
    Unit(UnitField::Attack, "attack", RULES_UI_TEXT("rules::Column", "Attack"), K::Number,
         &U::attack, {0, 99}, {}, 'a'),
    Unit(UnitField::Defense, "defense", RULES_UI_TEXT("rules::Column", "Defense"), K::Number,
         &U::defense, {0, 20}, {}, 'd'),
    Unit(UnitField::HitPoints, "hit points", RULES_UI_TEXT("rules::Column", "Hit points"),
         K::Number, &U::hitPoints, {1, 10}, {}, 'h'),
    Unit(UnitField::Firepower, "firepower", RULES_UI_TEXT("rules::Column", "Firepower"), K::Number,
         &U::firepower, {1, 5}, {}, 'f'),
    Unit(UnitField::Cost, "cost", RULES_UI_TEXT("rules::Column", "Cost"), K::Number, &U::cost,
         {1, 20}),
    Unit(UnitField::Hold, "hold", RULES_UI_TEXT("rules::Column", "Hold"), K::Number, &U::hold,
         {0, 10}),
    Unit(UnitField::Role, "role", RULES_UI_TEXT("rules::Column", "Role"), K::Choice, &U::role,
         {0, 7}, kRoles),
    Unit(UnitField::Prereq, "prerequisite", RULES_UI_TEXT("rules::Column", "Prerequisite"),
         K::Advance, &U::prereq),
    Unit(UnitField::Flags, "flags", RULES_UI_TEXT("rules::Column", "Flags"), K::Flags, &U::flags,
         kNone, kFlagCaptions),
};
static_assert(kUnitFields.size() == static_cast<std::size_t>(UnitField::Count));

const std::array kAdvanceFields = {
    Advance(AdvanceField::Name, "name", RULES_UI_TEXT("rules::Column", "Name"), K::Name, &A::name),
    Advance(AdvanceField::AiValue, "AI value", RULES_UI_TEXT("rules::Column", "AI value"),
            K::Number, &A::aiValue, kAny),
    Advance(AdvanceField::Modifier, "modifier", RULES_UI_TEXT("rules::Column", "Modifier"),
            K::Number, &A::modifier, {-kLargest, kLargest}),
    Advance(AdvanceField::Prereq1, "prerequisite 1",
            RULES_UI_TEXT("rules::Column", "Prerequisite 1"), K::Advance, &A::prereq1),
    Advance(AdvanceField::Prereq2, "prerequisite 2",
            RULES_UI_TEXT("rules::Column", "Prerequisite 2"), K::Advance, &A::prereq2),
    Advance(AdvanceField::Epoch, "epoch", RULES_UI_TEXT("rules::Column", "Epoch"), K::Choice,
            &A::epoch, {0, kEpochCount - 1}, kEpochs),
    Advance(AdvanceField::Category, "category", RULES_UI_TEXT("rules::Column", "Category"),
            K::Choice, &A::category, {0, kCategoryCount - 1}, kCategories),
    [] {
        ColumnInfo abbrev =
            Advance(AdvanceField::Abbrev, "abbreviation",
                    RULES_UI_TEXT("rules::Column", "Abbreviation"), K::Text, &A::abbrev);
        abbrev.valueRule = AbbreviationProblem;
        return abbrev;
    }(),
};
static_assert(kAdvanceFields.size() == static_cast<std::size_t>(AdvanceField::Count));

const std::array kCosmicFields = {
    ColumnInfo{SectionId::Cosmic,
               0,
               "value",
               RULES_UI_TEXT("rules::Column", "Value"),
               K::Number,
               kAny,
               {},
               kCosmicRefused,
               nullptr,
               nullptr,
               ','},
};

// The values each cosmic value may sensibly take, in file order: counts of
// turns, rows, citizens and units, chances "1 in x", percentages.
constexpr std::array<ValueRange, kCosmicCount> kCosmicRanges = {{
    {1, 100},   // RoadMove: moves per square on a road
    {1, 100},   // TriremeLost: 1 in x
    {0, 100},   // FoodCitizen
    {1, 100},   // RowFood
    {1, 100},   // RowShield
    {0, 100},   // SettlersEat1
    {0, 100},   // SettlersEat2
    {1, 100},   // Unhappy: a city size
    {1, 100},   // RiotFactor
    {1, 100},   // Aqueduct: a city size
    {1, 100},   // Sewer: a city size
    {1, 1000},  // TechParadigm
    {1, 100},   // TransformTerrain: turns
    {0, 100},   // MonarchyPays: units
    {0, 100},   // CommunismPays
    {0, 100},   // FundamentalismPays
    {0, 100},   // CommunismPalace: a distance
    {0, 100},   // FundaLoseScience: a percentage
    {0, 100},   // ShieldPenalty: a percentage
    {0, 100},   // MaxParadrop: squares
    {1, 100},   // MassThrust
}};

// Each cosmic value's own declaration: the shared column, with the value's
// English comment as its label (the Cosmic page's words for it), its key as
// heading, and its range.
const std::array<ColumnInfo, kCosmicCount>& CosmicInfos() {
    static const std::array<ColumnInfo, kCosmicCount> infos = [] {
        std::array<ColumnInfo, kCosmicCount> all{};
        const auto& english = CosmicComments(Language::English);
        for (std::size_t k = 0; k < all.size(); ++k) {
            all[k] = kCosmicFields[0];
            all[k].label = english[k];
            all[k].heading = CosmicNames()[k];
            all[k].range = kCosmicRanges[k];
        }
        return all;
    }();
    return infos;
}

char Folded(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    if (c == '-' || c == '_') return ' ';
    return c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Folded(a[i]) != Folded(b[i])) return false;
    return true;
}

const char* WordOf(SectionId section, int field, long value) {
    return ChoiceWord(section, field, value).data();
}

}  // namespace

std::span<const ColumnInfo> ColumnInfos(SectionId section) {
    switch (section) {
        case SectionId::Units: return kUnitFields;
        case SectionId::Advances: return kAdvanceFields;
        case SectionId::Cosmic: break;
    }
    return kCosmicFields;
}

const ColumnInfo& InfoOf(SectionId section, int field) {
    return ColumnInfos(section)[static_cast<std::size_t>(field)];
}

const ColumnInfo& InfoOf(const FieldRef& ref) {
    if (ref.section == SectionId::Cosmic)
        return CosmicInfos().at(static_cast<std::size_t>(ref.record - 1));
    return InfoOf(ref.section, ref.field);
}

std::optional<int> FindField(SectionId section, std::string_view name) {
    for (const ColumnInfo& info : ColumnInfos(section))
        if (SameName(info.heading, name) || SameName(info.label, name)) return info.field;
    return std::nullopt;
}

std::string_view ChoiceWord(SectionId section, int field, long value) {
    const ColumnInfo& info = InfoOf(section, field);
    const long index = value - info.range.minimum;
    if (info.kind != FieldKind::Choice || index < 0 ||
        index >= static_cast<long>(info.words.size()))
        return "";
    return info.words[static_cast<std::size_t>(index)];
}

const char* EpochName(int epoch) {
    return WordOf(SectionId::Advances, static_cast<int>(AdvanceField::Epoch), epoch);
}
const char* CategoryName(int category) {
    return WordOf(SectionId::Advances, static_cast<int>(AdvanceField::Category), category);
}
const char* DomainName(int domain) {
    return WordOf(SectionId::Units, static_cast<int>(UnitField::Domain), domain);
}
const char* RoleName(int role) {
    return WordOf(SectionId::Units, static_cast<int>(UnitField::Role), role);
}
const char* FlagCaption(int checkBox) {
    return checkBox >= 1 && checkBox <= kFlagCount
               ? kFlagCaptions[static_cast<std::size_t>(checkBox - 1)].data()
               : "";
}

}  // namespace rules
