// Editing one line in place: which characters move, and which padding gives
// or takes the difference. The property test over generated files covers
// reading back and the many layouts; these pin the rules on readable lines.

#include "rules/document/line_edit.h"

#include <gtest/gtest.h>

#include <vector>

#include "rules/document/advance_table.h"
#include "rules/document/cosmic_section.h"
#include "rules/document/unit_table.h"

namespace rules {
namespace {

struct Case {
    const char* line;
    int field;
    const char* text;
    const char* expected;
};

std::string EditUnit(const std::string& line, std::vector<FieldChange> changes) {
    UnitRecord unit;
    UnitLayout layout;
    EXPECT_TRUE(UnitTable::ParseLine(line, unit, &layout)) << line;
    return EditLine(SectionId::Units, line, layout, changes).value_or("(no edit)");
}

TEST(LineEdit, UnitNumbersAreRightAlignedAndNamesLeftAligned) {
    const std::string demo =
        "Field Tiller,    Plc, 0,  1.,0,   0a, 1d,  2h,1f, 3,0,  5, nil, 000000000000000";
    const auto A = [](int f) { return f; };
    const Case cases[] = {
        // Same width: only the digit.
        {"", A(5), "3", "Field Tiller,    Plc, 0,  1.,0,   3a, 1d,  2h,1f, 3,0,  5, nil, 000000000000000"},
        // Wider: the spaces in front give room; one always stays.
        {"", A(5), "12", "Field Tiller,    Plc, 0,  1.,0,  12a, 1d,  2h,1f, 3,0,  5, nil, 000000000000000"},
        {"", A(9), "10", "Field Tiller,    Plc, 0,  1.,0,   0a, 1d,  2h,1f, 10,0,  5, nil, 000000000000000"},
        // A longer name takes the spaces after its comma; a shorter one gives them back.
        {"", A(0), "Field Tillers", "Field Tillers,   Plc, 0,  1.,0,   0a, 1d,  2h,1f, 3,0,  5, nil, 000000000000000"},
        {"", A(0), "Tiller", "Tiller,          Plc, 0,  1.,0,   0a, 1d,  2h,1f, 3,0,  5, nil, 000000000000000"},
        {"", A(1), "no", "Field Tiller,    no,  0,  1.,0,   0a, 1d,  2h,1f, 3,0,  5, nil, 000000000000000"},
        // Without padding the rest of the line moves.
        {"", A(8), "12", "Field Tiller,    Plc, 0,  1.,0,   0a, 1d,  2h,12f, 3,0,  5, nil, 000000000000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EditUnit(demo, {{c.field, c.text}}), c.expected) << c.text;
    // A narrower number hands its room to the spaces in front.
    EXPECT_EQ(EditUnit("Lancer, nil, 0, 2.,0,  10a,10d, 3h,2f,10,0, 0, Nlt, 0", {{5, "9"}, {6, "4"}}),
              "Lancer, nil, 0, 2.,0,   9a, 4d, 3h,2f,10,0, 0, Nlt, 0");
}

TEST(LineEdit, OnlyTheCharactersThatDifferAreReplaced) {
    // The double space, the tab and the letters after the digits stay.
    EXPECT_EQ(EditUnit("Mark  2 Tiller,nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil,0", {{0, "Mark 3 Tiller"}}),
              "Mark  3 Tiller,nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil,0");
    EXPECT_EQ(EditUnit("Reed\tRaft,nil,0,1.,0,1x2a,1d,1h,1f,1,0,0,nil,0", {{0, "Reed\tBoat"}, {5, "13"}}),
              "Reed\tBoat,nil,0,1.,0,1x3a,1d,1h,1f,1,0,0,nil,0");
    // An empty value gets its digits before the unit's letter.
    EXPECT_EQ(EditUnit("Scout,nil,0,.,0,a,1d,1h,1f,1,0,0,nil,0", {{3, "2"}, {5, "4"}}),
              "Scout,nil,0,2.,0,4a,1d,1h,1f,1,0,0,nil,0");
}

TEST(LineEdit, AdvanceColumnsKeepTheirPlaces) {
    const std::string line = "Kiln Firing,      8,  1, nil, no,  0, 3  ; Kln";
    AdvanceRecord advance;
    AdvanceLayout layout;
    ASSERT_TRUE(AdvanceTable::ParseLine(line, advance, &layout));
    const auto edit = [&](std::vector<FieldChange> changes) {
        return EditLine(SectionId::Advances, line, layout, changes).value_or("(no edit)");
    };
    EXPECT_EQ(edit({{4, "Kln"}}), "Kiln Firing,      8,  1, nil, Kln, 0, 3  ; Kln");
    EXPECT_EQ(edit({{2, "-1"}, {1, "12"}}), "Kiln Firing,     12, -1, nil, no,  0, 3  ; Kln");
    // A number padded after itself, before the ";", takes from there.
    EXPECT_EQ(edit({{6, "10"}}), "Kiln Firing,      8,  1, nil, no,  0, 10 ; Kln");
    EXPECT_EQ(edit({{7, "Kilns"}, {0, "Kiln"}}), "Kiln,             8,  1, nil, no,  0, 3  ; Kilns");
}

TEST(LineEdit, CosmicLinesKeepTheirCommentAndComma) {
    const auto edit = [](std::string line, const char* value) {
        ValueSpan span;
        CosmicSection::ParseValue(line, span);
        const FieldChange change{0, value};
        return EditLine(SectionId::Cosmic, line, std::span<const ValueSpan>(&span, 1),
                        std::span<const FieldChange>(&change, 1))
            .value_or("(no edit)");
    };
    EXPECT_EQ(edit("3     ; Movement multiplier on roads", "4"), "4     ; Movement multiplier on roads");
    EXPECT_EQ(edit("3     ; Movement multiplier on roads", "120"), "120   ; Movement multiplier on roads");
    EXPECT_EQ(edit("3,  ;Road movement multiplier", "12"), "12, ;Road movement multiplier");
    EXPECT_EQ(edit("3 ; x y", "1234"), "1234 ; x y");
    EXPECT_EQ(edit("12    ; One in x chance", "9"), "9     ; One in x chance");
    // Tabs line the comment up by themselves: no space comes or goes.
    EXPECT_EQ(edit("19\t\t; comment", "3"), "3\t\t; comment");
    EXPECT_EQ(edit("19\t; comment", "120"), "120\t; comment");
    // A line starting with a space reads no value; the new one goes first.
    EXPECT_EQ(edit(" 5 ; x y z", "7"), "7 5 ; x y z");
    // Too short to be read as a data line once edited: not in place.
    EXPECT_EQ(edit("300000", "3"), "(no edit)");
}

}  // namespace
}  // namespace rules
