#include "app/editor_arguments.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using app::EditorArguments;
using app::ParseEditorArguments;
using Action = EditorArguments::Action;

// A scratch game folder holding one rules file.
class EditorArgumentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        game_ = fs::temp_directory_path() /
                ("editor-args-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(game_);
        std::ofstream(game_ / "rules.txt") << "@COSMIC\r\n;\r\n";
    }
    void TearDown() override { fs::remove_all(game_); }

    fs::path game_;
};

TEST_F(EditorArgumentsTest, FolderFileOrNothingGiveTheFolderToWorkIn) {
    EXPECT_EQ(ParseEditorArguments({}).action, Action::Run);
    EXPECT_EQ(ParseEditorArguments({}).folder, "");

    const EditorArguments folder = ParseEditorArguments({game_.string()});
    EXPECT_EQ(folder.action, Action::Run);
    EXPECT_EQ(folder.folder, game_.string());

    EXPECT_EQ(folder.file, "");

    // A rules file is worked on in the folder that holds it; its name, which
    // gives the language, is the file edited.
    std::ofstream(game_ / "RULES.FRE") << "@COSMIC\r\n;\r\n";
    const EditorArguments file = ParseEditorArguments({(game_ / "RULES.FRE").string()});
    EXPECT_EQ(file.action, Action::Run);
    EXPECT_EQ(fs::path(file.folder), game_);
    EXPECT_EQ(file.file, "RULES.FRE");
    std::ofstream(game_ / "notes.doc") << "x";
    const EditorArguments notRules = ParseEditorArguments({(game_ / "notes.doc").string()});
    EXPECT_EQ(notRules.action, Action::Fail);
    EXPECT_NE(notRules.message.find(".txt, .fre or .ger"), std::string::npos);
    EXPECT_EQ(ParseEditorArguments({"rules.txt"}).action, Action::Fail);  // not in the test's cwd

    const EditorArguments choose = ParseEditorArguments({"--choose-folder", game_.string()});
    EXPECT_EQ(choose.action, Action::ChooseFolder);
    EXPECT_EQ(choose.folder, game_.string());
}

TEST_F(EditorArgumentsTest, MissingFolderFailsWithItsNameAndNoUsage) {
    const std::string missing = (game_ / "no-such-folder").string();
    const EditorArguments args = ParseEditorArguments({missing});
    EXPECT_EQ(args.action, Action::Fail);
    EXPECT_NE(args.message.find(missing), std::string::npos);
    EXPECT_FALSE(args.showUsage);
    // The same for the folder dialog's start.
    EXPECT_EQ(ParseEditorArguments({"--choose-folder", missing}).action, Action::Fail);
}

TEST_F(EditorArgumentsTest, HelpVersionAndWrongOptions) {
    EXPECT_EQ(ParseEditorArguments({"--help"}).action, Action::Help);
    EXPECT_EQ(ParseEditorArguments({game_.string(), "-h"}).action, Action::Help);
    EXPECT_EQ(ParseEditorArguments({"--version"}).action, Action::Version);
    EXPECT_NE(app::EditorVersion().find(RULES_EDITOR_VERSION), std::string::npos);

    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{"--frobnicate"}, {"-x"}, {"--choose"},
                                               {game_.string(), game_.string()}, {"-platform"}}) {
        const EditorArguments args = ParseEditorArguments(wrong);
        EXPECT_EQ(args.action, Action::Fail) << wrong.front();
        EXPECT_TRUE(args.showUsage) << wrong.front();
        EXPECT_FALSE(args.message.empty());
    }
    // A folder named like an option, after "--".
    EXPECT_EQ(ParseEditorArguments({"--", game_.string()}).folder, game_.string());
}

TEST_F(EditorArgumentsTest, ToolkitOptionsArePassedOnWithTheirValues) {
    const EditorArguments args =
        ParseEditorArguments({"-platform", "offscreen", game_.string(), "--style", "fusion", "-reverse"});
    EXPECT_EQ(args.action, Action::Run);
    EXPECT_EQ(args.folder, game_.string());
    EXPECT_EQ(args.toolkitArguments,
              (std::vector<std::string>{"-platform", "offscreen", "--style", "fusion", "-reverse"}));
}

}  // namespace
