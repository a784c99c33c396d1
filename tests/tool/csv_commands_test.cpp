// `export` and `import`: a section out as the Table page's CSV and back in
// as the Table page takes it, saved as Save Changes saves.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "app/tool/tool.h"
#include "test_files.h"
#include "tool_outcome.h"

namespace tool {
namespace {

namespace fs = std::filesystem;
using rules::testing::ReadBytes;
using rules::testing::Replaced;
using rules::testing::ScratchDir;
using rules::testing::WriteBytes;

// Kept versions go to a scratch folder of their own.
class ScratchData {
  public:
    explicit ScratchData(const fs::path& folder) : folder_(folder) {
        ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
    }
    ~ScratchData() { ::unsetenv("XDG_DATA_HOME"); }
    int Kept() const {
        int kept = 0;
        if (fs::exists(folder_))
            for (const auto& entry : fs::recursive_directory_iterator(folder_)) kept += entry.is_regular_file();
        return kept;
    }

  private:
    fs::path folder_;
};

TEST(CsvCommands, EverySectionOfTheDemoGoesOutAndBackInLeavingTheFileAsItWas) {
    ScratchDir dir;
    const ScratchData data(dir.Path() / "data");
    for (const std::string name : {"rules.txt", "rules.fre", "rules.ger"}) {
        const std::string original = ReadBytes(std::string(EXAMPLES_DIR) + "/" + name);
        const std::string file = dir / name;
        WriteBytes(file, original);
        for (const std::string section :
             {"units", "advances", "cosmic", "LANDMARKS", "terrain", "Governments"}) {
            const std::string csv = dir / (section + ".csv");
            const Outcome out = Tool({"export", file, section, "-o", csv});
            ASSERT_EQ(out.status, kExitOk) << out.err;
            const Outcome in = Tool({"import", file, csv});  // the section from the CSV's name
            ASSERT_EQ(in.status, kExitOk) << in.err;
            EXPECT_EQ(in.out, "No differences.\n") << name << " " << section;
        }
        EXPECT_EQ(ReadBytes(file), original) << name;
    }
    EXPECT_EQ(data.Kept(), 0);
}

TEST(CsvCommands, ASpreadsheetsCsvChangesItsCellsAndIsSavedAsTheEditorSaves) {
    ScratchDir dir;
    const ScratchData data(dir.Path() / "data");
    const std::string original = ReadBytes(std::string(EXAMPLES_DIR) + "/rules.txt");
    const std::string file = dir / "rules.txt";
    WriteBytes(file, original);
    const Outcome out = Tool({"export", file, "TERRAIN"});
    ASSERT_EQ(out.status, kExitOk);
    EXPECT_EQ(out.out.substr(0, 56), "name,move cost,defense,food,shields,trade,Comment\r\nSaltm");
    // As a spreadsheet saves it: a byte order mark, quoted cells, a column
    // moved, one value and one comment changed.
    const std::string csv = "\xEF\xBB\xBF\"defense\",\"name\",Comment\r\n\"1\",\"Saltmarsh\",smh\r\n"
                            "3,Glass Dunes,\"gld, dry\"\r\n";
    WriteBytes(dir / "edit.csv", csv);
    const Outcome dry = Tool({"import", file, dir / "edit.csv", "terrain", "--dry-run"});
    EXPECT_EQ(dry.status, kExitOk) << dry.err;
    EXPECT_EQ(dry.out, file + ":203: Row \"Glass Dunes\" of TERRAIN: column \"defense\" 1 -> 3\n" + file +
                           ":203: Row \"Glass Dunes\" of TERRAIN: column \"Comment\" gld -> \"gld, dry\"\n"
                           "1 row of TERRAIN differs.\n");
    EXPECT_EQ(ReadBytes(file), original);

    const Outcome done = Tool({"import", file, dir / "edit.csv", "terrain"});
    EXPECT_EQ(done.status, kExitOk) << done.err;
    EXPECT_EQ(done.out, dry.out);
    EXPECT_EQ(ReadBytes(file), Replaced(original, "Glass Dunes,      2, 1, 0, 1, 1 ; gld",
                                        "Glass Dunes,      2, 3, 0, 1, 1 ; gld, dry"));
    EXPECT_EQ(data.Kept(), 1);
}

TEST(CsvCommands, ARefusedCellExitsTwoNamingItsRowAndColumnAndWritesNothing) {
    ScratchDir dir;
    const ScratchData data(dir.Path() / "data");
    const std::string original = ReadBytes(std::string(EXAMPLES_DIR) + "/rules.txt");
    const std::string file = dir / "rules.txt";
    WriteBytes(file, original);
    WriteBytes(dir / "units.csv", "Name,Attack\r\nMossrider,3\r\nBoiler Ram,700\r\n");
    const Outcome refused = Tool({"import", file, dir / "units.csv"});
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_EQ(refused.err.rfind("ovantra-rules: " + (dir / "units.csv") + ": Row 3 (Boiler Ram), column B (Attack): ", 0),
              0u)
        << refused.err;
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(ReadBytes(file), original);
    EXPECT_EQ(data.Kept(), 0);
    const Outcome unknown = Tool({"export", file, "rivers"});
    EXPECT_EQ(unknown.status, kExitFailure);
    EXPECT_NE(unknown.err.find("has no section \"rivers\" (it has units, advances, cosmic, LANDMARKS, TERRAIN, "
                               "GOVERNMENTS)"),
              std::string::npos);
}

}  // namespace
}  // namespace tool
