// Earlier versions of a rules file: kept once a save replaced it, newest
// first, pruned to the newest 50 and a size limit, never twice in a row, and
// a failure told with where and why.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "rules/versions/keeping_save.h"
#include "rules/versions/version_store.h"
#include "test_files.h"

namespace rules {
namespace {

using std::chrono::milliseconds;
using std::chrono::system_clock;

system_clock::time_point At(std::int64_t ms) { return system_clock::time_point(milliseconds(ms)); }

TEST(VersionStore, KeepsEachReplacedFileNewestFirstAndPrunesToFiftyAndTheLimit) {
    testing::ScratchDir scratch;
    const std::string rules = scratch / "rules.txt";
    VersionStore store(scratch.Path() / "data", rules);

    const std::int64_t start = 1'765'000'000'000;  // some day in 2025
    for (int k = 0; k < VersionStore::kKept + 3; ++k) {
        // Two saves in the same millisecond keep both.
        ASSERT_TRUE(store.KeepBytes("version " + std::to_string(k), At(start + (k / 2) * 1000)));
    }
    const std::vector<KeptVersion> kept = store.List();
    ASSERT_EQ(kept.size(), std::size_t(VersionStore::kKept));
    EXPECT_EQ(testing::ReadBytes(kept.front().path.string()),
              "version " + std::to_string(VersionStore::kKept + 2));
    EXPECT_EQ(testing::ReadBytes(kept.back().path.string()), "version 3");
    for (std::size_t k = 1; k < kept.size(); ++k) EXPECT_GT(kept[k - 1].keptAtMs, kept[k].keptAtMs);
    EXPECT_EQ(kept.front().size, std::string("version 52").size());
    EXPECT_EQ(VersionStore::VersionName(start), "20251206-054640-000.txt");

    // The same bytes as the newest are not kept again.
    ASSERT_TRUE(store.KeepBytes("version 52", At(start + 99'000)));
    EXPECT_EQ(store.List().size(), std::size_t(VersionStore::kKept));

    // Beyond the size limit the oldest go first, and that is counted; the
    // newest stays whatever its size.
    VersionStore small(scratch.Path() / "small", rules, 25);
    int removed = -1;
    for (int k = 0; k < 3; ++k) ASSERT_TRUE(small.KeepBytes("ten bytes" + std::to_string(k), At(start + k), &removed));
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(small.List().size(), 2u);
    ASSERT_TRUE(small.KeepBytes(std::string(40, 'x'), At(start + 10), &removed));
    EXPECT_EQ(removed, 2);
    EXPECT_EQ(small.List().size(), 1u);
}

TEST(VersionStore, EachRulesFileHasAFolderOfItsOwn) {
    EXPECT_NE(VersionStore::FolderName("/games/a/rules.txt"),
              VersionStore::FolderName("/games/a_rules.txt"));
    EXPECT_NE(VersionStore::FolderName("/games/a/rules.txt"),
              VersionStore::FolderName("/games/a/rules.fre"));
    const std::string deep = "/" + std::string(400, 'x') + "/rules.txt";
    const std::string name = VersionStore::FolderName(deep);
    EXPECT_LE(name.size(), 160u);
    EXPECT_NE(name, VersionStore::FolderName("/y" + deep));
}

TEST(VersionStore, AFolderThatCannotBeMadeSaysWhereAndWhy) {
    testing::ScratchDir scratch;
    const std::string rules = scratch / "rules.txt";
    testing::WriteBytes(rules, "bytes");
    testing::WriteBytes(scratch / "data", "a file where the folder should be");
    VersionStore store(scratch.Path() / "data", rules);
    const Status kept = store.KeepBytes("bytes");
    ASSERT_FALSE(kept);
    EXPECT_NE(kept.message.find(store.Folder().string()), std::string::npos) << kept.message;
    EXPECT_EQ(kept.message.find("Success"), std::string::npos) << kept.message;
    EXPECT_TRUE(store.List().empty());
}

// A save keeps the bytes it replaced only once it really replaced them: not
// when it fails, not when the file already holds what it would write.
TEST(KeepingSave, KeepsAVersionOnlyWhenTheFileWasReplaced) {
    testing::ScratchDir scratch;
    testing::WorkingDir inside(scratch.Path());
    const std::string asRead = "; mine\r\n@COSMIC\r\n3     ; roads\r\n;\r\n";
    testing::WriteBytes("rules.txt", asRead);
    const std::filesystem::path root = scratch.Path() / "versions";
    RulesDocument document;
    ASSERT_TRUE(document.Load("rules.txt", Language::English));
    document.Parse();

    SaveOutcome outcome = SaveKeepingVersion(document, root);
    EXPECT_TRUE(outcome.saved);
    EXPECT_FALSE(outcome.written);
    EXPECT_FALSE(std::filesystem::exists(root));

    SetFieldText(document, CosmicFieldRef(1), "4");
    outcome = SaveKeepingVersion(document, root);
    EXPECT_TRUE(outcome.saved && outcome.written && outcome.kept);
    const VersionStore store(root, "rules.txt");
    ASSERT_EQ(store.List().size(), 1u);
    EXPECT_EQ(testing::ReadBytes(store.List().front().path.string()), asRead);

    // Not a rules file: refused, naming it, and nothing kept however often.
    const std::string junk = std::string("\x00\x01", 2) + "binary\n\nno sections";
    testing::WriteBytes("junk.txt", junk);
    RulesDocument other;
    ASSERT_TRUE(other.Load("junk.txt", Language::English));
    other.Parse();
    for (int k = 0; k < 3; ++k) {
        outcome = SaveKeepingVersion(other, root);
        EXPECT_FALSE(outcome.saved);
        EXPECT_NE(outcome.saved.message.find("junk.txt"), std::string::npos);
    }
    EXPECT_EQ(testing::ReadBytes("junk.txt"), junk);
    EXPECT_TRUE(VersionStore(root, "junk.txt").List().empty());
}

// In a folder that takes no new file the save writes into the file itself:
// the version kept is still the file as it was, never the one written.
TEST(KeepingSave, AFileRewrittenInPlaceStillKeepsWhatItHeld) {
    testing::ScratchDir scratch;
    const std::filesystem::path game = scratch.Path() / "game";
    const std::filesystem::path root = scratch.Path() / "versions";
    std::filesystem::create_directories(game);
    std::filesystem::create_directories(root);
    const std::string asRead = "; mine\r\n@COSMIC\r\n3     ; roads\r\n;\r\n";
    testing::WriteBytes(game / "rules.txt", asRead);
    ::chmod((game / "rules.txt").c_str(), 0666);
    ::chmod(scratch.Path().c_str(), 0755);
    ::chmod(root.c_str(), 0777);
    ::chmod(game.c_str(), 0555);
    const int code = testing::RunAsOrdinaryUser([&] {
        testing::WorkingDir inside(game);
        RulesDocument document;
        if (!document.Load("rules.txt", Language::English)) return 1;
        document.Parse();
        SetFieldText(document, CosmicFieldRef(1), "4");
        const SaveOutcome outcome = SaveKeepingVersion(document, root);
        if (!outcome.saved || !outcome.written) return 2;
        if (!outcome.kept) return 3;
        // Saved again unchanged: nothing is written, nothing kept.
        const SaveOutcome again = SaveKeepingVersion(document, root);
        return again.saved && !again.written ? 0 : 4;
    });
    ::chmod(game.c_str(), 0755);
    ASSERT_EQ(code, 0);
    const std::vector<KeptVersion> kept = VersionStore(root, game / "rules.txt").List();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(testing::ReadBytes(kept.front().path.string()), asRead);
    EXPECT_NE(testing::ReadBytes((game / "rules.txt").string()), asRead);
}

// A version shares no bytes with a file still in use: the replaced file is
// linked into the versions only when nothing else links it, copied when
// another name (a hard link) still holds it.
TEST(KeepingSave, AFileWithAnotherHardLinkIsKeptAsACopy) {
    testing::ScratchDir scratch;
    testing::WorkingDir inside(scratch.Path());
    const std::string asRead = "; mine\r\n@COSMIC\r\n3     ; roads\r\n;\r\n";
    testing::WriteBytes("rules.txt", asRead);
    std::filesystem::create_hard_link("rules.txt", "other.txt");
    const std::filesystem::path root = scratch.Path() / "versions";
    RulesDocument document;
    ASSERT_TRUE(document.Load("rules.txt", Language::English));
    document.Parse();
    SetFieldText(document, CosmicFieldRef(1), "4");
    const SaveOutcome outcome = SaveKeepingVersion(document, root);
    ASSERT_TRUE(outcome.saved && outcome.written && outcome.kept);

    // The other name still holds the old bytes; writing there changes no version.
    testing::WriteBytes("other.txt", asRead + "; appended later\r\n");
    const std::vector<KeptVersion> kept = VersionStore(root, "rules.txt").List();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(testing::ReadBytes(kept.front().path.string()), asRead);
    EXPECT_EQ(std::filesystem::hard_link_count(kept.front().path), 1u);
}

}  // namespace
}  // namespace rules
