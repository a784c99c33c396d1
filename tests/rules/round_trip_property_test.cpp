// Load-and-save without edits over a few hundred generated files: only the
// lines that hold records may change, the line count stays, and saving the
// saved file gives the same bytes.

#include <gtest/gtest.h>

#include <set>

#include "rules/document/rules_document.h"
#include "rules_file_generator.h"

namespace rules {
namespace {

std::set<int> DocumentRecordLines(const RulesDocument& doc) {
    std::set<int> lines;
    for (int k = 0; k < kCosmicCount; ++k) {
        if (doc.Cosmic().LineOf(k) >= 0) lines.insert(doc.Cosmic().LineOf(k));
    }
    for (int k = 1; k <= doc.Advances().Count(); ++k) lines.insert(doc.Advances().At(k).line);
    for (int k = 1; k <= doc.Units().Count(); ++k) lines.insert(doc.Units().At(k).line);
    return lines;
}

void ExpectSameTables(const RulesDocument& a, const RulesDocument& b) {
    for (int k = 0; k < kCosmicCount; ++k)
        EXPECT_EQ(a.Cosmic().Value(k), b.Cosmic().Value(k)) << "cosmic " << k;
    ASSERT_EQ(a.Advances().Count(), b.Advances().Count());
    for (int k = 1; k <= a.Advances().Count() + 1; ++k)
        EXPECT_EQ(a.Advances().At(k), b.Advances().At(k)) << k;
    ASSERT_EQ(a.Units().Count(), b.Units().Count());
    for (int k = 1; k <= a.Units().Count(); ++k) EXPECT_EQ(a.Units().At(k), b.Units().At(k)) << k;
    ASSERT_EQ(a.GetFindings().size(), b.GetFindings().size());
    for (std::size_t i = 0; i < a.GetFindings().size(); ++i) {
        EXPECT_EQ(a.GetFindings()[i].kind, b.GetFindings()[i].kind);
        EXPECT_EQ(a.GetFindings()[i].line, b.GetFindings()[i].line);
    }
}

void CheckRoundTrip(const testing::GeneratedFile& file, Language language) {
    RulesDocument doc;
    doc.LoadBytes(file.bytes, language);
    ASSERT_EQ(doc.Lines().LineCount(), file.lineCount);
    doc.Parse();
    // The readers take exactly the lines the generator meant as records.
    ASSERT_EQ(DocumentRecordLines(doc), file.recordLines);

    LineStore original;
    original.LoadBytes(file.bytes);
    const std::string saved = doc.SaveToBytes();
    LineStore reloaded;
    reloaded.LoadBytes(saved);
    ASSERT_EQ(reloaded.LineCount(), file.lineCount);
    for (int i = 0; i < file.lineCount; ++i) {
        if (file.recordLines.count(i) == 0) {
            ASSERT_EQ(reloaded.GetLine(i), original.GetLine(i)) << "line " << i;
        }
    }
    EXPECT_EQ(reloaded.EndsWithLineBreak(), original.EndsWithLineBreak());

    RulesDocument again;
    again.LoadBytes(saved, language);
    again.Parse();
    ExpectSameTables(doc, again);
    ASSERT_EQ(again.SaveToBytes(), saved);
}

TEST(RoundTripProperty, SavingWithoutEditsTouchesOnlyRecordLinesAndIsStable) {
    testing::RulesFileGenerator generator(20261208);
    for (int i = 0; i < 300; ++i) {
        SCOPED_TRACE("generated file " + std::to_string(i));
        const testing::GeneratedFile file = generator.Next();
        CheckRoundTrip(file, LanguageFromIndex(i % kLanguageCount));
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(RoundTripProperty, WellFormedFilesGiveNoFindings) {
    testing::GeneratorOptions options;
    options.allowDamage = false;
    testing::RulesFileGenerator generator(7, options);
    for (int i = 0; i < 50; ++i) {
        const testing::GeneratedFile file = generator.Next();
        RulesDocument doc;
        doc.LoadBytes(file.bytes, Language::English);
        doc.Parse();
        EXPECT_TRUE(doc.GetFindings().empty())
            << "file " << i << ": " << Describe(doc.GetFindings().front());
        CheckRoundTrip(file, Language::English);
    }
}

TEST(RoundTripProperty, GeneratorIsDeterministic) {
    testing::RulesFileGenerator a(42);
    testing::RulesFileGenerator b(42);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a.Next().bytes, b.Next().bytes);
    EXPECT_EQ(testing::RulesFileGenerator::LargeFile(500, 3),
              testing::RulesFileGenerator::LargeFile(500, 3));
}

}  // namespace
}  // namespace rules
