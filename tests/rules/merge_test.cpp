#include "rules/compare/merge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rules/document/rules_document.h"
#include "test_files.h"

namespace rules {
namespace {

using rules::testing::Replaced;

// Line 0 comment, 1 header, 2..3 cosmic, 4 ";", 5 comment, 6 header,
// 7..8 advances, 9 ";", 10 header, 11..13 units, 14 ";".
const std::string kBase =
    "; Invented base\r\n@COSMIC\r\n3     ; roads\r\n12    ; rafts\r\n;\r\n"
    "; the advances\r\n@CIVILIZE\r\n"
    "Ember Kilns, 2, 0, nil, nil, 0, 4 ; Emk\r\n"
    "Kiln Firing, 3, 0, nil, nil, 1, 4 ; Kln\r\n;\r\n@UNITS\r\n"
    "Ember Guard,nil,0,1.,0,2a,1d,1h,1f,2,0,5,Emk,000000000000000\r\n"
    "Ash Bowman,Kln,0,1.,0,2a,1d,1h,1f,3,0,5,Emk,000000000000000\r\n"
    "Mud Hauler,nil,0,1.,0,0a,1d,1h,1f,3,0,5,nil,000000000000000\r\n;\r\n";

RulesDocument Parsed(const std::string& bytes) {
    RulesDocument document;
    document.LoadBytes(bytes, Language::English);
    document.Parse();
    return document;
}

std::vector<std::string> Conflicts(const MergePlan& plan) {
    std::vector<std::string> texts;
    for (const MergeConflict& conflict : plan.conflicts)
        texts.push_back(std::to_string(conflict.oursLine) + ": " + ConflictText(conflict));
    return texts;
}

TEST(Merge, TakesWhatOnlyTheirsChangedAndKeepsOursWhereBothChangedDifferently) {
    std::string ours = Replaced(kBase, "1.,0,2a", "1.,0,3a");  // Ember Guard's attack
    ours = Replaced(ours, "3     ; roads", "4     ; roads");
    ours = Replaced(ours, "; the advances", "; the advances, ours");
    ours = Replaced(ours, "Ash Bowman", "Ash Archer");
    std::string theirs = Replaced(kBase, "1.,0,2a,1d", "1.,0,4a,2d");  // attack and defense
    theirs = Replaced(theirs, "3     ; roads", "4 ; road moves");    // the same value
    theirs = Replaced(theirs, "3, 0, nil, nil, 1", "3, 0, Emk, nil, 1");
    theirs = Replaced(theirs, "; Invented base", "; Invented base, theirs");
    theirs = Replaced(theirs, "Ash Bowman", "Ash Slinger");
    theirs = Replaced(theirs, "000000000000000\r\n;\r\n",
                    "000000000000000\r\nSky Barge,nil,1,4.,1,0a,1d,1h,1f,4,0,3,nil,000000000010000\r\n;\r\n");

    const MergeResult result = MergeFiles(kBase, ours, theirs, Language::English);
    EXPECT_EQ(Conflicts(result.plan),
              (std::vector<std::string>{
                  "11: Unit \"Ember Guard\": attack base 2, ours 3, theirs 4",
                  "12: Unit \"Ash Archer\": name base \"Ash Bowman\", ours \"Ash Archer\", theirs \"Ash Slinger\""}));
    EXPECT_EQ(MergeSummary(result.plan), "2 conflicts, where ours is kept; 4 changes taken from theirs.");

    const RulesDocument merged = Parsed(result.bytes);
    EXPECT_EQ(FieldText(merged, UnitFieldRef(1, UnitField::Attack)), "3");
    EXPECT_EQ(FieldText(merged, UnitFieldRef(1, UnitField::Defense)), "2");
    EXPECT_EQ(FieldText(merged, AdvanceFieldRef(2, AdvanceField::Prereq1)), "Emk");
    EXPECT_EQ(FieldText(merged, CosmicFieldRef(1)), "4");
    ASSERT_EQ(merged.Units().Count(), 4);
    EXPECT_EQ(merged.Units().At(4).name, "Sky Barge");
    // Lines no change of theirs reached keep ours's bytes.
    const RulesDocument oursDocument = Parsed(ours);
    EXPECT_EQ(merged.Lines().GetLine(0), "; Invented base, theirs");
    for (const int line : {2, 5, 7, 12, 13})
        EXPECT_EQ(merged.Lines().GetLine(line), oursDocument.Lines().GetLine(line)) << line;
}

TEST(Merge, WhatOneSideRemovedTheOtherChangedAndWhatBothAddedDifferentlyKeepOurs) {
    std::string ours = Replaced(kBase, "1f,3,0,5,nil", "1f,4,0,5,nil");  // Mud Hauler's cost
    ours = Replaced(ours, "; the advances", "; the advances, ours");
    ours = Replaced(ours, "1, 4 ; Kln\r\n", "1, 4 ; Kln\r\nSky Lore, 1, 0, nil, nil, 2, 1 ; Skl\r\n");
    std::string theirs = Replaced(kBase, "Mud Hauler,nil,0,1.,0,0a,1d,1h,1f,3,0,5,nil,000000000000000\r\n", "");
    theirs = Replaced(theirs, "; the advances\r\n", "");
    theirs = Replaced(theirs, "1, 4 ; Kln\r\n", "1, 4 ; Kln\r\nStar Lore, 1, 0, nil, nil, 2, 1 ; Stl\r\n");

    const MergeResult result = MergeFiles(kBase, ours, theirs, Language::English);
    EXPECT_EQ(Conflicts(result.plan),
              (std::vector<std::string>{
                  "5: line removed in theirs, changed in ours",
                  "9: Advance \"Sky Lore\" (Skl): added on both sides, differently",
                  "14: Unit \"Mud Hauler\": removed in theirs, changed in ours"}));
    EXPECT_EQ(result.bytes, ours);

    // Where ours left the record and the line alone, their removal is taken;
    // every other line keeps its bytes.
    const std::string touched = Replaced(kBase, "; Invented base", "; Invented base, ours");
    const MergeResult removal = MergeFiles(kBase, touched, theirs, Language::English);
    EXPECT_TRUE(removal.plan.Clean());
    EXPECT_EQ(removal.bytes, Replaced(theirs, "; Invented base", "; Invented base, ours"));
}

TEST(Merge, AChangeFollowsItsRecordOrRowWhenTheOtherSideInsertedOrRemovedOneAbove) {
    const std::string base = kBase +
                             "@TERRAIN\r\nBog,   1, 2 ; bog\r\nHeath, 1, 0 ; hth\r\n"
                             "Dunes, 2, 1 ; dun\r\n;\r\n";
    const std::string heath = "Heath, 1, 0 ; hth\r\n";
    // Ours removes the first unit and adds a row above Heath; theirs changes
    // the unit and the row after them.
    std::string ours = Replaced(base, "Ember Guard,nil,0,1.,0,2a,1d,1h,1f,2,0,5,Emk,000000000000000\r\n", "");
    ours = Replaced(ours, heath, "Fen,   3, 1 ; fen\r\n" + heath);
    std::string theirs = Replaced(base, "Ash Bowman,Kln,0,1.,0,2a,1d,1h", "Ash Bowman,Kln,0,1.,0,2a,1d,2h");
    theirs = Replaced(theirs, heath, "Heath, 1, 4 ; hth\r\n");

    const MergeResult result = MergeFiles(base, ours, theirs, Language::English);
    EXPECT_TRUE(result.plan.Clean()) << ::testing::PrintToString(Conflicts(result.plan));
    std::string expected = Replaced(ours, "Ash Bowman,Kln,0,1.,0,2a,1d,1h", "Ash Bowman,Kln,0,1.,0,2a,1d,2h");
    expected = Replaced(expected, heath, "Heath, 1, 4 ; hth\r\n");
    EXPECT_EQ(result.bytes, expected);
    // The same the other way round, theirs's removal and row carried over.
    EXPECT_EQ(MergeFiles(base, theirs, ours, Language::English).bytes, expected);

    // Two records of one name on one side and one on the other cannot be
    // told apart: a change of either is a conflict, not a guess.
    const std::string twice = Replaced(base, "Mud Hauler,", "Ash Bowman,");
    const std::string oneGone = Replaced(twice, "Ember Guard,nil,0,1.,0,2a,1d,1h,1f,2,0,5,Emk,000000000000000\r\n"
                                                "Ash Bowman,Kln,0,1.,0,2a,1d,1h,1f,3,0,5,Emk,000000000000000\r\n",
                                         "");
    const std::string changed = Replaced(twice, "0a,1d,1h", "0a,1d,3h");
    const MergeResult ambiguous = MergeFiles(twice, oneGone, changed, Language::English);
    EXPECT_FALSE(ambiguous.plan.Clean());
    EXPECT_EQ(ambiguous.bytes, oneGone);
}

std::string Lf(std::string text) {
    std::erase(text, '\r');
    return text;
}

TEST(Merge, ALineBreakChangeAloneIsNoChangeAndEveryLineKeepsOursBreak) {
    const std::string ours = Replaced(kBase, "3     ; roads", "4     ; roads");
    const std::string theirs = Replaced(kBase, "1f,3,0,5,nil", "1f,4,0,5,nil");
    const std::string both = Replaced(ours, "1f,3,0,5,nil", "1f,4,0,5,nil");

    // LF files stay LF.
    EXPECT_EQ(MergeFiles(Lf(kBase), Lf(ours), Lf(theirs), Language::English).bytes, Lf(both));
    // Their change is taken when only their side switched to LF, or only
    // ours did, or ours changed nothing but its breaks.
    const MergeResult switched = MergeFiles(kBase, ours, Lf(theirs), Language::English);
    EXPECT_EQ(MergeSummary(switched.plan), "No conflicts; 1 change taken from theirs.");
    EXPECT_EQ(switched.bytes, both);
    EXPECT_EQ(MergeFiles(kBase, Lf(ours), theirs, Language::English).bytes, Lf(both));
    EXPECT_EQ(MergeFiles(kBase, Lf(kBase), theirs, Language::English).bytes, Lf(theirs));
    // Breaks alone bring nothing.
    EXPECT_EQ(MergeFiles(kBase, ours, Lf(kBase), Language::English).bytes, ours);
    // Lines added by theirs take the break of ours's line before them.
    const std::string added = Replaced(kBase, "; the advances\r\n", "; the advances\r\n; more\r\n");
    EXPECT_EQ(MergeFiles(kBase, Lf(ours), added, Language::English).bytes,
              Lf(Replaced(ours, "; the advances\r\n", "; the advances\r\n; more\r\n")));
}

}  // namespace
}  // namespace rules
