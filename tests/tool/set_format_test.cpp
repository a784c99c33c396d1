// `set` and `format`: the two commands that change a rules file, saving it
// as the editor does.

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

const std::string kRules =
    "; invented\r\n@COSMIC\r\n3     ; roads\r\n12    ; rafts\r\n;\r\n@CIVILIZE\r\n"
    "Ember Kilns,  2,  0, nil, nil, 0, 4 ; Emk\r\n"
    "Kiln Firing,  3, -1, nil, nil, 1, 4 ; Kln\r\n;\r\n@UNITS\r\n"
    "Ember Guard,  nil, 0,  1.,0,   1a, 1d,  1h,1f, 2,0,  5, Emk, 000000000000000\r\n"
    "Ash Bowman,   Kln, 0,  1.,0,   2a, 1d,  1h,1f, 3,0,  5, Emk, 000000000000000\r\n"
    "Ash Bowman,   nil, 0,  2.,0,   3a, 1d,  1h,1f, 4,0,  5, Kln, 000000000000000\r\n;\r\n";

// Kept versions go to a scratch folder of their own.
class ScratchData {
  public:
    explicit ScratchData(const fs::path& folder) { ::setenv("XDG_DATA_HOME", folder.c_str(), 1); }
    ~ScratchData() { ::unsetenv("XDG_DATA_HOME"); }
};

std::vector<fs::path> KeptVersions(const fs::path& data) {
    std::vector<fs::path> kept;
    const fs::path root = data / "Ovantra Rules File Editor" / "versions";
    if (!fs::exists(root)) return kept;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) kept.push_back(entry.path());
    return kept;
}

TEST(SetCommand, ChangesOnlyTheValuesAndKeepsTheReplacedFile) {
    ScratchDir dir;
    const ScratchData data(dir.Path() / "data");
    const std::string file = dir / "mod.txt";
    WriteBytes(file, kRules);

    // A dry run prints what diff would and writes nothing.
    const Outcome dry = Tool({"set", file, "advance", "Kiln Firing", "prerequisite-1=Ember Kilns",
                              "ai_value=10", "--dry-run"});
    EXPECT_EQ(dry.status, kExitOk) << dry.err;
    EXPECT_EQ(dry.out, file + ":8: Advance \"Kiln Firing\" (Kln): AI value 3 -> 10\n" + file +
                           ":8: Advance \"Kiln Firing\" (Kln): prerequisite 1 nil -> Emk\n"
                           "1 advance differs.\n");
    EXPECT_EQ(ReadBytes(file), kRules);
    EXPECT_TRUE(KeptVersions(dir.Path() / "data").empty());

    EXPECT_EQ(Tool({"set", file, "unit", "ember guard", "Attack=12", "hit points=2"}).status, kExitOk);
    EXPECT_EQ(Tool({"set", file, "cosmic", "RoadMove", "value=4"}).status, kExitOk);
    EXPECT_EQ(Tool({"set", file, "units", "#3", "obsolete_by=Kiln Firing"}).status, kExitOk);
    std::string expected = Replaced(kRules, "   1a, 1d,  1h", "  12a, 1d,  2h");
    expected = Replaced(expected, "3     ; roads", "4     ; roads");
    expected = Replaced(expected, "Ash Bowman,   nil,", "Ash Bowman,   Kln,");
    EXPECT_EQ(ReadBytes(file), expected);
    const std::vector<fs::path> kept = KeptVersions(dir.Path() / "data");
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(Tool({"set", file, "unit", "#1", "attack=12"}).status, kExitOk);  // no change
    EXPECT_EQ(KeptVersions(dir.Path() / "data").size(), 3u);
}

TEST(SetCommand, ChangesTheCellsOfARowOfAnotherSection) {
    ScratchDir dir;
    const ScratchData data(dir.Path() / "data");
    const std::string file = dir / "mod.txt";
    const std::string rules = kRules + "; Terrain: name, move cost, defense ; code\r\n@TERRAIN\r\n"
                                       "Salt Marsh,   2,  1 ; smh\r\nReedbank,     1, 10 ; rdb\r\n;\r\n";
    WriteBytes(file, rules);
    // A comma would split the value: refused, and nothing is written.
    const Outcome refused = Tool({"set", file, "terrain", "salt marsh", "move-cost=3", "defense=4,5"});
    EXPECT_EQ(refused.status, kExitFailure);
    EXPECT_NE(refused.err.find("defense of \"Salt Marsh\" cannot be \"4,5\""), std::string::npos)
        << refused.err;
    EXPECT_EQ(Tool({"set", file, "TERRAIN", "#3", "defense=1"}).status, kExitFailure);
    EXPECT_EQ(ReadBytes(file), rules);

    const Outcome set =
        Tool({"set", file, "terrain", "salt marsh", "move_cost=3", "Column 3=12", "comment=salt"});
    EXPECT_EQ(set.status, kExitOk) << set.err;
    EXPECT_EQ(ReadBytes(file), Replaced(rules, "Salt Marsh,   2,  1 ; smh", "Salt Marsh,   3, 12 ; salt"));
}

TEST(SetCommand, RefusesWhatTheTablePageRefusesAndWritesNothing) {
    ScratchDir dir;
    const ScratchData data(dir.Path() / "data");
    const std::string file = dir / "mod.txt";
    WriteBytes(file, kRules);
    const struct {
        Arguments arguments;
        std::string message;
    } refusals[] = {
        {{"set", file, "unit", "Nobody", "attack=1"}, "There is no unit \"Nobody\"."},
        {{"set", file, "unit", "Ash Bowman", "attack=1"},
         "The unit \"Ash Bowman\" is not one record but 2: #2 and #3; name one by its number."},
        {{"set", file, "unit", "#4", "attack=1"}, "There is no unit #4: the section holds 3."},
        {{"set", file, "unit", "#1", "attack=1", "strength=2"}, "A unit has no field \"strength\""},
        {{"set", file, "unit", "#1", "attack=1", "defense=x"}, "Defense of \"Ember Guard\" cannot be \"x\""},
        {{"set", file, "advance", "Kln", "prerequisite 2=Smelting"}, "There is no advance \"Kln\"."},
        {{"set", file, "advance", "#1", "prerequisite 2=Smelting"}, "\"Smelting\" is neither"},
        {{"set", file, "unit", "#1", "name=Ash, Bowman"}, "Name of \"Ember Guard\" cannot be"},
        {{"set", file, "spells", "#1", "name=Ash"}, "unknown section spells"},
        {{"set", file, "unit", "#1", "attack"}, "attack is not FIELD=VALUE"},
        {{"set", file, "unit", "#1"}, "set takes a file, a section, a record and FIELD=VALUE"},
        {{"set", dir / "gone.txt", "unit", "#1", "attack=1"}, "Cannot open file"},
    };
    for (const auto& refusal : refusals) {
        const Outcome run = Tool(refusal.arguments);
        EXPECT_EQ(run.status, kExitFailure) << ::testing::PrintToString(refusal.arguments);
        EXPECT_NE(run.err.find(refusal.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(ReadBytes(file), kRules);
    EXPECT_TRUE(KeptVersions(dir.Path() / "data").empty());

    // A file the user may not write is refused with the editor's message.
    fs::permissions(dir.Path(), fs::perms::all);
    ::chmod(file.c_str(), 0444);
    const int code = rules::testing::RunAsOrdinaryUser([&] {
        const Outcome run = Tool({"set", file, "unit", "#1", "attack=3"});
        return run.status == kExitFailure && run.err == "ovantra-rules: Cannot create file " + file + ".\n"
                   ? 0
                   : 1;
    });
    if (code == 90) GTEST_SKIP() << "running as root and unable to drop to an ordinary user";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadBytes(file), kRules);
}

TEST(FormatCommand, AlignsOnceAndItsOutputPassesTheCheck) {
    ScratchDir dir;
    const ScratchData data(dir.Path() / "data");
    const std::string file = dir / "mod.txt";
    const std::string out = dir / "aligned.txt";
    WriteBytes(file, kRules);

    const Outcome check = Tool({"format", "--check", file});
    EXPECT_EQ(check.status, kExitProblems);
    EXPECT_EQ(check.out, file + ":3: not aligned\n" + file + ":4: not aligned\n" + file +
                             ":7: not aligned\n" + file + ":8: not aligned\n" + file +
                             ":11: not aligned\n" + file + ":12: not aligned\n" + file +
                             ":13: not aligned\n7 lines of " + file +
                             " not aligned; ovantra-rules format aligns them.\n");
    EXPECT_EQ(Tool({"format", file, "-o", out}).status, kExitOk);
    EXPECT_EQ(ReadBytes(file), kRules);
    EXPECT_EQ(ReadBytes(out),
              "; invented\r\n@COSMIC\r\n3  ; roads\r\n12 ; rafts\r\n;\r\n@CIVILIZE\r\n"
              "Ember Kilns, 2,  0, nil, nil, 0, 4 ; Emk\r\n"
              "Kiln Firing, 3, -1, nil, nil, 1, 4 ; Kln\r\n;\r\n@UNITS\r\n"
              "Ember Guard, nil, 0, 1., 0, 1a, 1d, 1h, 1f, 2, 0, 5, Emk, 000000000000000\r\n"
              "Ash Bowman,  Kln, 0, 1., 0, 2a, 1d, 1h, 1f, 3, 0, 5, Emk, 000000000000000\r\n"
              "Ash Bowman,  nil, 0, 2., 0, 3a, 1d, 1h, 1f, 4, 0, 5, Kln, 000000000000000\r\n;\r\n");
    const Outcome again = Tool({"format", "--check", out});
    EXPECT_EQ(again.status, kExitOk);
    EXPECT_EQ(again.out, "");

    // In place, as Save Changes saves.
    EXPECT_EQ(Tool({"format", file}).status, kExitOk);
    EXPECT_EQ(ReadBytes(file), ReadBytes(out));
    EXPECT_EQ(KeptVersions(dir.Path() / "data").size(), 1u);

    WriteBytes(dir / "notes.txt", "no sections here\r\n");
    for (const Arguments& wrong : {Arguments{"format", dir / "notes.txt"},
                                   Arguments{"format", "--check", file, "-o", out},
                                   Arguments{"format", file, out}}) {
        const Outcome refused = Tool(wrong);
        EXPECT_EQ(refused.status, kExitFailure) << ::testing::PrintToString(wrong);
        EXPECT_NE(refused.err, "");
    }
    EXPECT_EQ(ReadBytes(dir / "notes.txt"), "no sections here\r\n");
}

}  // namespace
}  // namespace tool
