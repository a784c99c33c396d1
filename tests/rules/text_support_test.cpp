// Code page, settings file, language table, file name lookup and findings.

#include <gtest/gtest.h>

#include <filesystem>

#include "rules/document/cp1252.h"
#include "rules/document/file_names.h"
#include "rules/document/findings.h"
#include "rules/document/language.h"
#include "rules/document/settings.h"
#include "test_files.h"

namespace rules {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string utf8 = Cp1252ToUtf8(all);
    const std::optional<std::string> back = Utf8ToCp1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, SpecialRangeAndLatin1MapToTheirCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");      // Y with diaeresis
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");      // undefined: its C1 control
    EXPECT_EQ(Cp1252ToUtf8("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(Cp1252ToUtf8(std::string_view("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(Cp1252ToCodePoint(0x8C), U'\u0152');
    EXPECT_EQ(CodePointToCp1252(U'\u2122'), '\x99');
    EXPECT_EQ(Utf8ToCp1252("\xE2\x82\xAC"), std::optional<std::string>("\x80"));
    EXPECT_EQ(Utf8ToCp1252("Stra\xC3\x9F"
                           "e"),
              std::optional<std::string>("Stra\xDF"
                                         "e"));
}

TEST(Cp1252, RefusesWhatItCannotEncodeInsteadOfApproximating) {
    EXPECT_FALSE(Utf8ToCp1252("\xCE\xA9").has_value());             // Greek omega
    EXPECT_FALSE(Utf8ToCp1252("ok \xF0\x9F\x98\x80").has_value());  // emoji
    EXPECT_FALSE(Utf8ToCp1252("\xC3").has_value());                 // cut short
    EXPECT_FALSE(Utf8ToCp1252("\xC0\xAF").has_value());             // overlong
    EXPECT_FALSE(Utf8ToCp1252("\xED\xA0\x80").has_value());         // surrogate
    EXPECT_FALSE(Utf8ToCp1252("\xE9").has_value());  // a raw Latin-1 byte is not UTF-8
    EXPECT_FALSE(CodePointToCp1252(U'\u0100').has_value());
    EXPECT_EQ(Utf8ToCp1252(""), std::optional<std::string>(""));
}

Settings SettingsOf(std::string_view text) {
    LineStore store;
    store.LoadBytes(text);
    return ReadSettings(store);
}

TEST(SettingsFile, KeywordsCountAsWholeLinesFromTheSecondLineOn) {
    struct Case {
        const char* text;
        std::optional<Language> language;
        bool noWarning;
    };
    const Case cases[] = {
        {"", std::nullopt, false},
        {"NO WARNING", std::nullopt, false},  // the first line is never examined
        {"DEUTSCH\r\n", std::nullopt, false},
        {"free\r\nNO WARNING\r\n", std::nullopt, true},
        {"free\r\nDEUTSCH\r\nNO WARNING\r\n", Language::German, true},
        {"free\nNO WARNING\nFRANCAIS", Language::French, true},
        {"free\nFRANCAIS\nDEUTSCH\n", Language::French, false},  // the first language wins
        {"free\nenglish\nENGLISH \nNO  WARNING\n", std::nullopt, false},
        {"free\rENGLISH\r", Language::English, false},
    };
    for (const Case& c : cases) {
        const Settings settings = SettingsOf(c.text);
        EXPECT_EQ(settings.language, c.language) << c.text;
        EXPECT_EQ(settings.noWarning, c.noWarning) << c.text;
    }
}

TEST(Languages, FileNamesKeywordsAndIndexes) {
    EXPECT_STREQ(RulesFileName(Language::English), "rules.txt");
    EXPECT_STREQ(RulesFileName(Language::French), "rules.fre");
    EXPECT_STREQ(RulesFileName(Language::German), "rules.ger");
    EXPECT_EQ(LanguageFromKeyword("FRANCAIS"), Language::French);
    EXPECT_EQ(LanguageFromKeyword("Francais"), std::nullopt);
    EXPECT_EQ(LanguageFromIndex(2), Language::German);
    EXPECT_EQ(LanguageFromIndex(7), Language::English);
}

TEST(FileNames, FindsAFileWhoseNameDiffersOnlyInCase) {
    testing::ScratchDir dir;
    testing::WriteBytes(dir / "Rules.TXT", "x");
    testing::WriteBytes(dir / "yarv.ini", "x");
    std::filesystem::create_directory(dir.Path() / "folder");
    const testing::WorkingDir here(dir.Path());
    EXPECT_EQ(ResolveFileName("rules.txt"), "Rules.TXT");
    EXPECT_EQ(ResolveFileName("YARV.INI"), "yarv.ini");
    EXPECT_EQ(ResolveFileName("yarv.ini"), "yarv.ini");
    EXPECT_EQ(ResolveFileName("rules.ger"), "rules.ger");  // nothing matches: the name asked for
    EXPECT_TRUE(FileIsReadable("yarv.ini"));
    EXPECT_FALSE(FileIsReadable("rules.ger"));
    EXPECT_FALSE(FileIsReadable("folder"));
}

TEST(Findings, DescriptionsNameTheSectionAndTheOneBasedLine) {
    EXPECT_EQ(Describe({Finding::Kind::MalformedLine, SectionId::Units, 211}),
              "Line 212 (@UNITS): fewer than 13 commas; the line was left as it is");
    const std::string header = Describe({Finding::Kind::MissingHeader, SectionId::Advances, -1});
    EXPECT_NE(header.find("@CIVILIZE"), std::string::npos);
    EXPECT_EQ(header.find("Line"), std::string::npos);
    const std::string full = Describe({Finding::Kind::OverCapacity, SectionId::Advances, 0});
    EXPECT_EQ(full.rfind("Line 1 (@CIVILIZE): ", 0), 0u);
    EXPECT_NE(full.find("94"), std::string::npos);
    EXPECT_NE(Describe({Finding::Kind::MissingTerminator, SectionId::Cosmic, 4}).find("\";\""),
              std::string::npos);
}

}  // namespace
}  // namespace rules
