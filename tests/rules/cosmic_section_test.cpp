#include "rules/document/cosmic_section.h"

#include <gtest/gtest.h>

#include "test_files.h"

#include <cstdint>
#include <string>
#include <utility>

namespace rules {
namespace {

using testing::StoreOf;

// A cosmic section with `count` data lines valued 1, 2, 3, ...
std::string CosmicLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += std::to_string(i) + "     ; remark " + std::to_string(i) + "\r\n";
    return text;
}

TEST(CosmicTables, CommentsAreWindows1252BytesWithTheirExactSpacing) {
    const auto& english = CosmicComments(Language::English);
    const auto& french = CosmicComments(Language::French);
    const auto& german = CosmicComments(Language::German);
    EXPECT_EQ(english[0], "Road movement multiplier");
    EXPECT_EQ(english[13], "Monarchy  pays support for all units past this");
    EXPECT_EQ(french[1], "1 chance sur x  Trireme perdu (mod. par La Marine, Navigation)");
    EXPECT_EQ(french[2], "Qt\xE9 de nourriture chaque citoyen mange par tour");
    EXPECT_EQ(french[8],
              "Le facteur d'\xE9meute bas\xE9 sur le # de villes ( facteur plus \xE9lev\xE9 r\xE9"
              "duit l'effet)");
    EXPECT_EQ(german[0],
              "Stra\xDF"
              "enbewegung Multiplizierer");
    EXPECT_EQ(german[18], "Prozent Schildstrafe f\xFCr die \xC4nderung des Produktionstyps");
    for (const auto* table : {&english, &french, &german}) {
        for (const std::string_view comment : *table) {
            EXPECT_FALSE(comment.empty());
            // No UTF-8 lead bytes: every accented letter is one byte.
            for (const char c : comment)
                EXPECT_FALSE(static_cast<unsigned char>(c) == 0xC3) << comment;
        }
    }
    EXPECT_STREQ(CosmicNames()[0], "RoadMove");
    EXPECT_STREQ(CosmicNames()[20], "MassThrust");
}

// Fingerprints of each whole table (rows joined by "\n"), taken from the
// agreed texts: any changed byte, space or row shows up here.
TEST(CosmicTables, WholeTablesMatchTheirFingerprints) {
    auto fingerprint = [](Language language) {
        std::string joined;
        for (const std::string_view row : CosmicComments(language)) {
            if (!joined.empty()) joined += '\n';
            joined.append(row);
        }
        std::uint64_t hash = 0xcbf29ce484222325ULL;  // FNV-1a
        for (const char c : joined) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 0x100000001b3ULL;
        }
        return std::pair<std::size_t, std::uint64_t>(joined.size(), hash);
    };
    EXPECT_EQ(fingerprint(Language::English),
              std::make_pair(std::size_t{898}, std::uint64_t{0xc2ca15f3436f9a2c}));
    EXPECT_EQ(fingerprint(Language::French),
              std::make_pair(std::size_t{1156}, std::uint64_t{0xd03fda370022c2ac}));
    EXPECT_EQ(fingerprint(Language::German),
              std::make_pair(std::size_t{1203}, std::uint64_t{0xf232f2ee37ab853f}));
}

TEST(CosmicReader, TakesTheDigitsBeforeTheFirstSpace) {
    const LineStore store = StoreOf(
        "head\r\n@COSMIC\r\n3     ; Road\r\n-1 ; sign\r\n2a ; letters\r\n  7 ; leading blank\r\n"
        "12345678\r\n;\r\n");
    CosmicSection cosmic;
    Findings findings;
    cosmic.Read(store, findings);
    EXPECT_TRUE(findings.empty());
    EXPECT_EQ(cosmic.Value(0), "3");
    EXPECT_EQ(cosmic.Value(1), "1");
    EXPECT_EQ(cosmic.Value(2), "2");
    EXPECT_EQ(cosmic.Value(3), "");              // begins with a space
    EXPECT_EQ(cosmic.Value(4), "12345678");      // no space: the whole line
    EXPECT_EQ(cosmic.Value(5), "SettlersEat1");  // never read: keeps its initial text
    EXPECT_EQ(cosmic.Range().first, 2);
    EXPECT_EQ(cosmic.Range().last, 7);  // the ";" line
}

TEST(CosmicWriter, WritesValueAndCommentOnTheLinesThatWereRead) {
    // A short line inside the section takes no position and is never written;
    // with fewer than 21 values the ";" line stays. Only a changed value's
    // line is written, the value in place of the old one and the comment
    // kept; one changed and changed back keeps its own bytes.
    LineStore store =
        StoreOf("x\r\n@COSMIC\r\n3     ; Road\r\n12 ;x\r\n4     ; Boat\r\n;\r\nafter\r\n");
    CosmicSection cosmic;
    Findings findings;
    cosmic.Read(store, findings);
    EXPECT_EQ(cosmic.Value(1), "4");
    EXPECT_EQ(cosmic.LineOf(1), 4);
    cosmic.SetValue(0, "5");
    cosmic.SetValue(1, "6");
    cosmic.Write(store, Language::English);
    EXPECT_EQ(store.SaveBytes(),
              "x\r\n@COSMIC\r\n5     ; Road\r\n12 ;x\r\n6     ; Boat\r\n;\r\nafter\r\n");
    cosmic.SetValue(1, "4");
    cosmic.Write(store, Language::English);
    EXPECT_EQ(store.GetLine(4), "4     ; Boat");
    EXPECT_TRUE(cosmic.Changed(0));
    EXPECT_FALSE(cosmic.Changed(1));
}

TEST(CosmicWriter, RenderedLineReadsBackToTheSameValue) {
    for (const std::string value : {"3", "", "1 2", "007"}) {
        const std::string line =
            CosmicSection::RenderLine(value, CosmicComments(Language::French)[1]);
        const std::string expected = value == "1 2" ? "1" : value;
        EXPECT_EQ(CosmicSection::ParseValue(line), expected) << line;
    }
    EXPECT_EQ(CosmicSection::RenderLine("9", CosmicComments(Language::French)[1]),
              "9,  ;1 chance sur x  Trireme perdu (mod. par La Marine, Navigation)");
}

TEST(CosmicReader, ExtraDataLinesAreReadButNeverWritten) {
    LineStore store = StoreOf("x\r\n@COSMIC\r\n" + CosmicLines(23) + ";\r\n");
    const std::string extra22(store.GetLine(23));
    CosmicSection cosmic;
    Findings findings;
    cosmic.Read(store, findings);
    EXPECT_EQ(cosmic.Value(20), "21");
    cosmic.SetValue(0, "7");
    cosmic.Write(store, Language::German);
    EXPECT_EQ(store.GetLine(2), "7     ; remark 1");
    EXPECT_EQ(store.GetLine(23), extra22);
    EXPECT_EQ(store.GetLine(25), ";");
    EXPECT_EQ(cosmic.Range().last, 25);
}

TEST(CosmicReader, UnclosedOrMissingSectionIsReportedAndNotWritten) {
    {
        // Without its ";" the section ends at the next header.
        LineStore store = StoreOf("x\n@COSMIC\n3     ; a\n@CIVILIZE\n4     ; b\n;\n");
        CosmicSection cosmic;
        Findings findings;
        cosmic.Read(store, findings);
        ASSERT_EQ(findings.size(), 1u);
        EXPECT_EQ(findings[0].kind, Finding::Kind::MissingTerminator);
        EXPECT_EQ(cosmic.Value(1), "TriremeLost");
        cosmic.Write(store, Language::English);
        EXPECT_EQ(store.GetLine(4), "4     ; b");
    }
    {
        LineStore store = StoreOf("@COSMIC\n3     ; a\n;\n");  // line 0 is never a header
        CosmicSection cosmic;
        Findings findings;
        cosmic.Read(store, findings);
        ASSERT_EQ(findings.size(), 1u);
        EXPECT_EQ(findings[0].kind, Finding::Kind::MissingHeader);
        const std::string before = store.SaveBytes();
        cosmic.Write(store, Language::English);
        EXPECT_EQ(store.SaveBytes(), before);
    }
}

}  // namespace
}  // namespace rules
