// Earlier versions of a rules file: kept before each save, newest first,
// pruned to the newest 50, and a failure told with where and why.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "rules/versions/version_store.h"
#include "test_files.h"

namespace rules {
namespace {

using std::chrono::milliseconds;
using std::chrono::system_clock;

system_clock::time_point At(std::int64_t ms) { return system_clock::time_point(milliseconds(ms)); }

TEST(VersionStore, KeepsEachReplacedFileNewestFirstAndPrunesToFifty) {
    testing::ScratchDir scratch;
    const std::string rules = scratch / "rules.txt";
    VersionStore store(scratch.Path() / "data", rules);

    // Before the first save there is no file: nothing to keep, no error.
    EXPECT_TRUE(store.Keep(At(1000)));
    EXPECT_TRUE(store.List().empty());

    const std::int64_t start = 1'765'000'000'000;  // some day in 2025
    for (int k = 0; k < VersionStore::kKept + 3; ++k) {
        testing::WriteBytes(rules, "version " + std::to_string(k));
        // Two saves in the same millisecond keep both.
        ASSERT_TRUE(store.Keep(At(start + (k / 2) * 1000)));
    }
    const std::vector<KeptVersion> kept = store.List();
    ASSERT_EQ(kept.size(), std::size_t(VersionStore::kKept));
    EXPECT_EQ(testing::ReadBytes(kept.front().path.string()),
              "version " + std::to_string(VersionStore::kKept + 2));
    EXPECT_EQ(testing::ReadBytes(kept.back().path.string()), "version 3");
    for (std::size_t k = 1; k < kept.size(); ++k) EXPECT_GT(kept[k - 1].keptAtMs, kept[k].keptAtMs);
    EXPECT_EQ(kept.front().size, std::string("version 52").size());
    EXPECT_EQ(VersionStore::VersionName(start), "20251206-054640-000.txt");
    // The rules file itself is never touched.
    EXPECT_EQ(testing::ReadBytes(rules), "version 52");
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
    const Status kept = store.Keep();
    ASSERT_FALSE(kept);
    EXPECT_NE(kept.message.find(store.Folder().string()), std::string::npos) << kept.message;
    EXPECT_TRUE(store.List().empty());
}

}  // namespace
}  // namespace rules
