#include "rules/document/text_routines.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace rules {
namespace {

using testing::StoreOf;

TEST(FindSection, ReturnsLineAfterFirstExactHeader) {
    EXPECT_EQ(FindSection(StoreOf("abc\r\n@UNITS\r\nx"), "UNITS"), 2);
    // The first of two headers counts.
    EXPECT_EQ(FindSection(StoreOf("x\n@UNITS\ny\n@UNITS\n"), "UNITS"), 2);
}

TEST(FindSection, IgnoresLineZeroNearMissesAndReportsPastTheEnd) {
    // Line 0 is never compared.
    const LineStore atTop = StoreOf("@UNITS\r\nx\r\n");
    EXPECT_EQ(FindSection(atTop, "UNITS"), atTop.LineCount() + 2);
    // Case and trailing blanks matter; a prefix is not a match.
    const LineStore nearMisses = StoreOf("x\n@units\n@UNITS \n @UNITS\n@UNITSX\n@UNIT\n");
    EXPECT_EQ(FindSection(nearMisses, "UNITS"), nearMisses.LineCount() + 2);
    EXPECT_EQ(FindSection(StoreOf(""), "UNITS"), 2);
}

TEST(ScanField, TakesFieldsAndMovesTheCursorPastTheDelimiter) {
    int cursor = 1;
    EXPECT_EQ(ScanField(cursor, "12a,3", ',', true), "12");
    EXPECT_EQ(cursor, 5);
    EXPECT_EQ(ScanField(cursor, "12a,3", '\0', true), "3");
    EXPECT_EQ(cursor, 7);

    cursor = 1;
    EXPECT_EQ(ScanField(cursor, "-1,", ',', true), "1");
    cursor = 1;
    EXPECT_EQ(ScanField(cursor, ",x", ',', false), "");
    EXPECT_EQ(cursor, 2);
}

TEST(ScanField, MissingDelimiterStopsAtTheEndOfTheText) {
    int cursor = 1;
    EXPECT_EQ(ScanField(cursor, "abc", ',', false), "abc");
    EXPECT_EQ(cursor, 5);
    // Further scans past the end give empty fields and never read outside.
    EXPECT_EQ(ScanField(cursor, "abc", ',', false), "");
    EXPECT_EQ(cursor, 5);
    cursor = 1000;
    EXPECT_EQ(ScanField(cursor, "abc", ';', false), "");
}

TEST(ScanField, NulDelimiterMeansEndOfTextEvenWithNulBytesInside) {
    const std::string text("a\0b", 3);
    int cursor = 1;
    EXPECT_EQ(ScanField(cursor, text, '\0', false), text);
    EXPECT_EQ(cursor, 5);
}

TEST(SqueezeSpaces, DropsAlignmentButKeepsOneSpaceInsideValues) {
    const std::pair<std::string, std::string> cases[] = {
        {"Red Fox", "Red Fox"},
        {"Fox 2", "Fox 2"},
        {"Abc. Def.", "Abc. Def."},
        {"For\xEAt \xC9t\xE9", "For\xEAt \xC9t\xE9"},
        {"Mark  2   Tiller", "Mark 2 Tiller"},
        {"a  b", "a b"},
        {" a ", "a"},
        {"x,  y", "x,y"},
        {"Tide craft ,  3  ;  Tdc  ", "Tide craft,3;Tdc"},
        {"a\tb", "a\tb"},
        {"a \t b", "a \t b"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& [input, expected] : cases) {
        std::string text = input;
        SqueezeSpaces(text);
        EXPECT_EQ(text, expected) << "input: '" << input << "'";
    }
}

}  // namespace
}  // namespace rules
