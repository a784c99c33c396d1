// Fields as table cells: what they show, what a typed or pasted text stores,
// how numbers are adjusted, and the figures computed from the tables.
#include "rules/document/field_values.h"

#include <gtest/gtest.h>

#include "rules/document/rules_document.h"
#include "rules/tree/record_figures.h"

namespace rules {
namespace {

// Kiln <- Ember <- Smelt; Loom and Spindle need each other; two advances
// share the abbreviation Kln (the first counts).
const char* const kRules =
    "; invented rules for the table\r\n@COSMIC\r\n"
    "3,  ;RoadMove\r\n"
    ";\r\n"
    "@CIVILIZE\r\n"
    "Kiln Firing,   8,  1, nil, nil, 0, 3 ; Kln\r\n"   // 1
    "Ember Keeping, 3,  0, Kln, Kln, 1, 4 ; Emk\r\n"   // 2
    "Smelting,      5, -1, Emk, Kln, 2, 0 ; Smt\r\n"   // 3
    "Loom Song,     2,  0, Spn, nil, 2, 2 ; Lms\r\n"   // 4
    "Spindle,       2,  0, Lms, nil, 9, 2 ; Spn\r\n"   // 5
    "Brine Curing,  1,  0, nil, Smt, 3, 1 ; Kln\r\n"   // 6
    ";\r\n"
    "@UNITS\r\n"
    "Clay Golem,  Smt, 0,1.,0,07a,1d,1h,1f,3,0,0, Emk, 000000000000101\r\n"
    "Raft,        no,  2,1.,0,0a,1d,1h,1f,1,0,9, nil, 000000000000000\r\n"
    "Loom Guard,  Qzz, 1,1.,0,0a,1d,1h,1f,1,0,1, Lms, 1\r\n"
    "Odd Barge,   Spn, 1,1.,0,0a,1d,1h,1f,1,0,1, Qzz, 1\r\n"
    ";\r\n";

RulesDocument Parsed() {
    RulesDocument document;
    document.LoadBytes(kRules, Language::English);
    document.Parse();
    return document;
}

FieldRef Unit(int unit, UnitField field) { return UnitFieldRef(unit, field); }

TEST(FieldValues, ShowWordsAndNamesButNumbersExactlyAsStored) {
    const RulesDocument document = Parsed();
    EXPECT_EQ(DisplayText(document, Unit(1, UnitField::Domain)), "Land");
    EXPECT_EQ(DisplayText(document, Unit(2, UnitField::Domain)), "Sea");
    EXPECT_EQ(DisplayText(document, Unit(2, UnitField::Role)), "9");  // no word for it
    EXPECT_EQ(DisplayText(document, Unit(1, UnitField::Attack)), "07");
    EXPECT_EQ(DisplayText(document, Unit(1, UnitField::Prereq)), "Ember Keeping");
    EXPECT_EQ(DisplayText(document, Unit(2, UnitField::ObsoleteBy)), "no");  // not "nil": no one reaches it
    EXPECT_EQ(DisplayText(document, Unit(3, UnitField::ObsoleteBy)), "Qzz");  // nobody has it
    EXPECT_EQ(DisplayText(document, AdvanceFieldRef(2, AdvanceField::Epoch)), "Renaissance");
    EXPECT_EQ(DisplayText(document, AdvanceFieldRef(1, AdvanceField::Category)), "Academic");
    EXPECT_EQ(DisplayText(document, CosmicFieldRef(1)), "3");
}

TEST(FieldValues, WhatACellShowsStoresWhatTheFieldHolds) {
    // Copying a table out and back changes nothing, whatever its spelling.
    RulesDocument document = Parsed();
    for (SectionId section : {SectionId::Units, SectionId::Advances}) {
        for (int record = 1; record <= RecordCount(document, section); ++record) {
            for (int field = 0; field < FieldCount(section); ++field) {
                const FieldRef ref{section, record, field};
                const ParsedValue parsed = ParseDisplayText(document, ref, DisplayText(document, ref));
                EXPECT_EQ(parsed.problem, "");
                EXPECT_EQ(parsed.stored, FieldText(document, ref));
            }
        }
    }
}

TEST(FieldValues, TypedTextIsParsedAsTheFormsWouldTakeIt) {
    const RulesDocument document = Parsed();
    const auto stored = [&](const FieldRef& ref, std::string_view text) {
        const ParsedValue parsed = ParseDisplayText(document, ref, text);
        return parsed.problem.empty() ? parsed.stored : "refused: " + parsed.problem;
    };
    EXPECT_EQ(stored(Unit(1, UnitField::Attack), "12"), "12");
    EXPECT_EQ(stored(Unit(1, UnitField::Attack), "100"), "refused: 100 is outside 0 to 99.");
    EXPECT_EQ(stored(Unit(1, UnitField::Cost), "0"), "refused: 0 is outside 1 to 20.");
    EXPECT_EQ(stored(Unit(1, UnitField::Moves), "-2"), "refused: \"-2\" is not a whole number.");
    EXPECT_EQ(stored(Unit(1, UnitField::Moves), "2a"), "refused: \"2a\" is not a whole number.");
    EXPECT_EQ(stored(AdvanceFieldRef(1, AdvanceField::Modifier), "-3"), "-3");
    EXPECT_EQ(stored(Unit(1, UnitField::Domain), "air"), "1");
    EXPECT_EQ(stored(Unit(1, UnitField::Domain), "2"), "2");
    EXPECT_EQ(stored(Unit(1, UnitField::Domain), "Space"),
              "refused: \"Space\" is none of Land, Air, Sea.");
    EXPECT_EQ(stored(Unit(1, UnitField::Role), "naval superiority"), "2");
    EXPECT_EQ(stored(AdvanceFieldRef(1, AdvanceField::Epoch), "Modern"), "3");
    // Advances by name or abbreviation; a name stores the abbreviation.
    EXPECT_EQ(stored(Unit(1, UnitField::Prereq), "Smelting"), "Smt");
    EXPECT_EQ(stored(Unit(1, UnitField::Prereq), "Lms"), "Lms");
    EXPECT_EQ(stored(Unit(1, UnitField::Prereq), "nil"), "nil");
    EXPECT_EQ(stored(Unit(1, UnitField::Prereq), "Smelt"),
              "refused: \"Smelt\" is neither \"nil\" nor an advance.");
    // Flags whose leading zeros a spreadsheet dropped get them back.
    EXPECT_EQ(stored(Unit(1, UnitField::Flags), "10"), "000000000000010");
    EXPECT_NE(stored(Unit(1, UnitField::Flags), "").find("refused"), std::string::npos);
    EXPECT_NE(stored(Unit(1, UnitField::Flags), "0000000000000002").find("refused"), std::string::npos);
    // Separators would split the line when it is read again.
    EXPECT_NE(stored(Unit(1, UnitField::Name), "Golem, Clay").find("refused"), std::string::npos);
    EXPECT_NE(stored(AdvanceFieldRef(1, AdvanceField::Name), "Kiln; Firing").find("refused"),
              std::string::npos);
    // Names are stored as the reader reads them back.
    EXPECT_EQ(stored(Unit(1, UnitField::Name), "Golem; Clay"), "Golem;Clay");
    EXPECT_EQ(stored(Unit(1, UnitField::Name), " Mark  2   Tiller "), "Mark 2 Tiller");
    EXPECT_NE(stored(Unit(1, UnitField::Name), "@Golem").find("refused"), std::string::npos);
    EXPECT_EQ(stored(Unit(1, UnitField::Name), ""), "refused: A name cannot be empty.");
    EXPECT_EQ(stored(CosmicFieldRef(1), "4 5"), "refused: \"4 5\" is not a whole number.");
}

TEST(FieldValues, AdjustRoundsHalvesAwayFromZeroAndKeepsWithinRange) {
    const ValueRange attack = RangeOf(SectionId::Units, static_cast<int>(UnitField::Attack));
    EXPECT_EQ(AdjustNumber(5, AdjustMode::MultiplyPercent, 150, attack), 8);   // 7.5
    EXPECT_EQ(AdjustNumber(3, AdjustMode::MultiplyPercent, 50, attack), 2);    // 1.5
    EXPECT_EQ(AdjustNumber(1, AdjustMode::MultiplyPercent, 10, {1, 20}), 1);   // 0.1 kept at 1
    EXPECT_EQ(AdjustNumber(90, AdjustMode::Add, 20, attack), 99);
    EXPECT_EQ(AdjustNumber(2, AdjustMode::Add, -5, attack), 0);
    EXPECT_EQ(AdjustNumber(2, AdjustMode::Add, 1.5, attack), 4);  // 3.5
    EXPECT_EQ(AdjustNumber(-3, AdjustMode::MultiplyPercent, 50, {-10, 10}), -2);  // -1.5
    EXPECT_EQ(AdjustNumber(7, AdjustMode::SetTo, 250, attack), 99);
}

TEST(RecordFigures, CountWhatEachRecordNeedsOpensAndBrings) {
    const RulesDocument document = Parsed();
    const RecordFigures figures = RecordFigures::Compute(document.Advances(), document.Units());
    ASSERT_EQ(figures.advances.size(), 6u);
    // Smelting needs Ember Keeping and, through it and directly, Kiln Firing.
    EXPECT_EQ(figures.advances[2].advancesNeeded, 2);
    // Ember names Kiln twice: Kiln opens Ember once, and Smelting.
    EXPECT_EQ(figures.advances[0].opens, 2);
    EXPECT_EQ(figures.advances[1].units, 1);

    const UnitFigures& golem = figures.units[0];
    EXPECT_EQ(golem.availableEpoch, 1);  // Ember Keeping's epoch
    EXPECT_EQ(golem.advancesNeeded, 2);  // Ember Keeping and Kiln Firing
    EXPECT_EQ(golem.retiredEpoch, 2);
    EXPECT_FALSE(golem.neverAvailable);

    const UnitFigures& raft = figures.units[1];
    EXPECT_EQ(raft.availableEpoch, UnitFigures::kStart);
    EXPECT_EQ(raft.advancesNeeded, 0);
    EXPECT_EQ(raft.retiredEpoch, UnitFigures::kNone);

    EXPECT_TRUE(figures.units[2].neverAvailable);  // Loom Song is in a circle
    EXPECT_EQ(figures.units[2].retiredEpoch, UnitFigures::kUnknown);
    EXPECT_EQ(figures.units[3].availableEpoch, UnitFigures::kUnknown);
    EXPECT_EQ(figures.units[3].retiredEpoch, UnitFigures::kUnknown);  // Spindle's epoch is 9
}

}  // namespace
}  // namespace rules
