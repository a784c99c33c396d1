#include "rules/document/rules_document.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "test_files.h"

namespace rules {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSmallFile =
    "; Ovantra test rules\r\n"
    "@COSMIC\r\n"
    "3     ; roads\r\n"
    "12    ; rafts\r\n"
    ";\r\n"
    "free text between sections\r\n"
    "@CIVILIZE\r\n"
    "Tidecraft,   8, -1, nil, no,  0, 1  ; Tdc\r\n"
    "Glass Working, 3, 0, Tdc, nil, 1, 4 ; Gls\r\n"
    ";\r\n"
    "@UNITS\r\n"
    "Mossrider,  nil, 0,1.,0,  1a,1d,  1h,1f,2,0,  5, Tdc,  000000000000001\r\n"
    ";\r\n"
    "@OTHER\r\n"
    "left alone, 1, 2, 3\n";

TEST(RulesDocument, SavingWithoutEditsWritesTheFileAsItWasWithCrLfBreaks) {
    RulesDocument doc;
    doc.LoadBytes(kSmallFile, Language::English);
    doc.Parse();
    EXPECT_TRUE(doc.GetFindings().empty());
    EXPECT_FALSE(doc.HasUnsavedChanges());
    std::string expected = kSmallFile;
    expected.insert(expected.size() - 1, "\r");
    EXPECT_EQ(doc.SaveToBytes(), expected);
}

TEST(RulesDocument, OnlyChangedRecordsAreEditedAndTheBaselineFollowsTheSave) {
    testing::ScratchDir dir;
    const std::string path = dir / "rules.fre";
    testing::WriteBytes(path, kSmallFile);
    RulesDocument doc;
    ASSERT_TRUE(doc.Load(path, Language::French));
    doc.Parse();
    // Built apart and moved in: assigning the literal in place makes g++ 12
    // at -O3 warn falsely (-Wrestrict) about the string copy it inlines.
    doc.Units().At(1).attack = std::string("2");
    doc.Advances().At(2).name = "Glass Grinding";
    doc.Advances().At(1).aiValue = std::string("9");
    doc.Advances().At(1).aiValue = std::string("8");  // changed back: not a change
    doc.Cosmic().SetValue(0, "4");
    doc.Parse();  // must not re-read and lose the edits
    EXPECT_EQ(doc.Advances().Count(), 2);

    const FieldRef attack = UnitFieldRef(1, UnitField::Attack);
    EXPECT_TRUE(doc.Changed(attack));
    EXPECT_EQ(doc.SavedText(attack), "1");
    EXPECT_EQ(doc.SavedText(AdvanceFieldRef(2, AdvanceField::Name)), "Glass Working");
    EXPECT_FALSE(doc.RecordChanged(SectionId::Advances, 1));
    EXPECT_TRUE(doc.RecordChanged(SectionId::Cosmic, 1));
    EXPECT_FALSE(doc.RecordChanged(SectionId::Cosmic, 2));
    EXPECT_TRUE(doc.HasUnsavedChanges());

    ASSERT_TRUE(doc.Save());
    const std::string saved = testing::ReadBytes(path);
    EXPECT_EQ(saved,
              "; Ovantra test rules\r\n"
              "@COSMIC\r\n"
              "4     ; roads\r\n"
              "12    ; rafts\r\n"
              ";\r\n"
              "free text between sections\r\n"
              "@CIVILIZE\r\n"
              "Tidecraft,   8, -1, nil, no,  0, 1  ; Tdc\r\n"
              "Glass Grinding, 3, 0, Tdc, nil, 1, 4 ; Gls\r\n"
              ";\r\n"
              "@UNITS\r\n"
              "Mossrider,  nil, 0,1.,0,  2a,1d,  1h,1f,2,0,  5, Tdc,  000000000000001\r\n"
              ";\r\n"
              "@OTHER\r\n"
              "left alone, 1, 2, 3\r\n");
    EXPECT_FALSE(doc.HasUnsavedChanges());
    EXPECT_EQ(doc.SavedText(attack), "2");

    // Back to the value first read: against the saved file that is a change,
    // edited on the line as saved.
    doc.Units().At(1).attack = std::string("1");
    EXPECT_TRUE(doc.Changed(attack));
    EXPECT_NE(doc.SaveToBytes().find("Mossrider,  nil, 0,1.,0,  1a,"), std::string::npos);
    doc.Units().At(1).attack = std::string("2");
    EXPECT_EQ(doc.SaveToBytes(), saved);
}

TEST(RulesDocument, SaveWritesTheFileItWasLoadedFrom) {
    testing::ScratchDir dir;
    const std::string path = dir / "rules.ger";
    // A cosmic line of digits alone: a shorter value in its place would make
    // it too short to be read, so that line gets the designed form, in the
    // file's language.
    std::string bytes = kSmallFile;
    bytes.replace(bytes.find("3     ; roads"), 13, "300000");
    testing::WriteBytes(path, bytes);
    testing::WriteBytes(dir / "rules.txt", "untouched");
    RulesDocument doc;
    ASSERT_TRUE(doc.Load(path, Language::German));
    EXPECT_EQ(doc.FileName(), path);
    EXPECT_EQ(doc.GetLanguage(), Language::German);
    doc.Parse();
    doc.Cosmic().SetValue(0, "3");
    ASSERT_TRUE(doc.Save());
    const std::string written = testing::ReadBytes(path);
    EXPECT_NE(written.find("\r\n3,  ;Stra\xDF"
                           "enbewegung Multiplizierer\r\n"),
              std::string::npos);
    EXPECT_EQ(testing::ReadBytes(dir / "rules.txt"), "untouched");
}

TEST(RulesDocument, TellsWhenAnotherProgramRewroteTheFile) {
    testing::ScratchDir dir;
    const std::string path = dir / "rules.txt";
    testing::WriteBytes(path, kSmallFile);
    RulesDocument doc;
    ASSERT_TRUE(doc.Load(path, Language::English));
    doc.Parse();
    EXPECT_FALSE(doc.ChangedOnDisk());

    // Rewritten with the same bytes and a new time: nothing to lose.
    testing::WriteBytes(path, kSmallFile);
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(5));
    EXPECT_FALSE(doc.ChangedOnDisk());

    // Same size, other bytes, the old time put back: the bytes still tell.
    const auto time = fs::last_write_time(path);
    std::string edited = kSmallFile;
    edited[2] = 'X';
    testing::WriteBytes(path, edited);
    fs::last_write_time(path, time);
    EXPECT_TRUE(doc.ChangedOnDisk());

    // What this document saves is what later saves compare against.
    ASSERT_TRUE(doc.Save());
    EXPECT_FALSE(doc.ChangedOnDisk());
    testing::WriteBytes(path, "someone else's rules\r\n");
    EXPECT_TRUE(doc.ChangedOnDisk());

    // A file that is gone can be saved again without losing anything.
    fs::remove(path);
    EXPECT_FALSE(doc.ChangedOnDisk());
}

TEST(RulesDocument, NothingIsSavedBeforeAParse) {
    testing::ScratchDir dir;
    const std::string path = dir / "rules.txt";
    RulesDocument missing;
    const Status load = missing.Load(path, Language::English);
    EXPECT_EQ(load.message, "Cannot open file " + path);
    const Status save = missing.Save();
    EXPECT_FALSE(save);
    EXPECT_EQ(save.message, RulesDocument::kNothingToSave);
    EXPECT_FALSE(fs::exists(path));

    testing::WriteBytes(path, "x\n@COSMIC\n1     ; a\n;\n");
    RulesDocument unparsed;
    ASSERT_TRUE(unparsed.Load(path, Language::English));
    EXPECT_FALSE(unparsed.Save());
    EXPECT_EQ(testing::ReadBytes(path), "x\n@COSMIC\n1     ; a\n;\n");
}

TEST(RulesDocument, ALaterLoadStartsAfresh) {
    RulesDocument doc;
    doc.LoadBytes(kSmallFile, Language::English);
    doc.Parse();
    doc.LoadBytes("x\r\n@UNITS\r\n;\r\nTidecraft, 8, -1, nil, no,  0, 1  ; Tdc\r\n",
                  Language::English);
    EXPECT_FALSE(doc.Parsed());
    EXPECT_EQ(doc.Advances().Count(), 0);
    doc.Parse();
    EXPECT_EQ(doc.Units().Count(), 0);
    // Nothing of the first file's tables lands on the new lines.
    EXPECT_EQ(doc.SaveToBytes(), "x\r\n@UNITS\r\n;\r\nTidecraft, 8, -1, nil, no,  0, 1  ; Tdc\r\n");
}

TEST(RulesDocument, DemoFilesReadCleanlyAndSaveStably) {
    for (const char* name : {"rules.txt", "rules.fre", "rules.ger"}) {
        const std::string path = std::string(EXAMPLES_DIR) + "/" + name;
        if (!fs::exists(path)) GTEST_SKIP() << "no demo file " << path;
        RulesDocument doc;
        ASSERT_TRUE(doc.Load(path, Language::English));
        doc.Parse();
        EXPECT_TRUE(doc.GetFindings().empty())
            << name << ": " << Describe(doc.GetFindings().front());
        EXPECT_GT(doc.Advances().Count(), 80) << name;
        EXPECT_EQ(doc.Units().Count(), UnitTable::kCapacity) << name;
        const std::string saved = doc.SaveToBytes();
        RulesDocument again;
        again.LoadBytes(saved, Language::English);
        again.Parse();
        EXPECT_EQ(again.SaveToBytes(), saved) << name;
    }
}

}  // namespace
}  // namespace rules

namespace rules {
namespace {

// A name that begins with "@" once its leading blanks are squeezed away would
// be written back as a line that the next reading takes for a section header,
// cutting the section short. Such lines are left as they are and reported.
TEST(RulesDocument, NamesThatWouldReadAsHeadersAreLeftAlone) {
    const std::string bytes =
        "x\r\n@CIVILIZE\r\n"
        "Tidecraft, 8, -1, nil, no, 0, 1 ; Tdc\r\n"
        " @Sneaky, 1, 0, nil, nil, 0, 0 ; Snk\r\n"
        ";\r\n@UNITS\r\n"
        "  @Mossrider,nil,0,1.,0,1a,1d,1h,1f,2,0,5,Tdc,000000000000001\r\n"
        "Fen Skiff,nil,2,1.,0,1a,1d,1h,1f,2,0,5,Tdc,000000000000001\r\n"
        ";\r\n";
    RulesDocument doc;
    doc.LoadBytes(bytes, Language::English);
    doc.Parse();
    EXPECT_EQ(doc.Advances().Count(), 1);
    EXPECT_EQ(doc.Units().Count(), 1);
    std::vector<int> headerLike;
    for (const Finding& f : doc.GetFindings()) {
        if (f.kind == Finding::Kind::HeaderLikeName) headerLike.push_back(f.line);
    }
    EXPECT_EQ(headerLike, (std::vector<int>{3, 6}));

    const std::string saved = doc.SaveToBytes();
    EXPECT_NE(saved.find("\r\n @Sneaky, 1, 0, nil, nil, 0, 0 ; Snk\r\n"), std::string::npos);
    RulesDocument again;
    again.LoadBytes(saved, Language::English);
    again.Parse();
    EXPECT_EQ(again.SaveToBytes(), saved);
}

}  // namespace
}  // namespace rules
