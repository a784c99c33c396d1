#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "rules/journal/journal_file.h"
#include "rules/journal/journal_format.h"
#include "rules/journal/journal_replay.h"
#include "rules/journal/journal_writer.h"

namespace {

using rules::JournalEntry;
using Kind = rules::JournalEntry::Kind;

rules::JournalHeader Header() {
    rules::JournalHeader h;
    h.rulesFile = "/games/ovantra/rules.txt";
    h.stamp.valid = true;
    h.stamp.size = 11492;
    h.stamp.digest = 0x1234567890abcdefULL;
    h.stamp.modifiedSeconds = 1765290000;
    h.stamp.inode = 42;
    h.startDigest = 0x1234567890abcdefULL;
    h.startSize = 11492;
    h.ownerPid = 4321;
    h.startedAtMs = 1765290000123;
    return h;
}

// One entry of every kind, with values the file's own bytes could hold.
std::vector<JournalEntry> EveryKind() {
    std::vector<JournalEntry> entries(6);
    entries[0].kind = Kind::Push;
    entries[0].text = "Attack of Ember Guard";
    entries[0].plan.edits = {{rules::UnitFieldRef(3, rules::UnitField::Attack), "6"}};
    entries[0].undo.edits = {{rules::UnitFieldRef(3, rules::UnitField::Attack), "4"}};
    entries[0].plan.cells = {{{2, 5, 1}, "Salt\xe9marsh"}, {{0, 1, 3}, ""}};
    entries[0].undo.cells = {{{0, 1, 3}, "x"}, {{2, 5, 1}, "Saltmarsh"}};
    entries[1].kind = Kind::Push;
    entries[1].plan.edits = {{rules::CosmicFieldRef(7), "12"}};
    entries[2].kind = Kind::Fold;
    entries[3].kind = Kind::Undo;
    entries[4].kind = Kind::Redo;
    entries[5].kind = Kind::Replace;
    entries[5].text = "Merge";
    entries[5].content = std::string("@COSMIC\r\n3\0;\r\n", 15);
    entries[5].beforeDigest = 99;
    entries[5].beforeSize = 11492;
    for (std::size_t i = 0; i < entries.size(); ++i) entries[i].atMs = 1765290000200 + static_cast<int>(i);
    return entries;
}

std::string Encode(const std::vector<JournalEntry>& entries) {
    std::string bytes = rules::EncodeJournalHeader(Header());
    for (const JournalEntry& e : entries) bytes += rules::EncodeJournalEntry(e);
    return bytes;
}

TEST(Journal, EveryEntryKindRoundTripsAndDamageKeepsWhatCameBefore) {
    const std::vector<JournalEntry> entries = EveryKind();
    const std::string bytes = Encode(entries);
    const rules::JournalContents whole = rules::DecodeJournal(bytes);
    ASSERT_EQ(whole.state, rules::JournalState::Complete);
    EXPECT_EQ(whole.header.rulesFile, Header().rulesFile);
    EXPECT_EQ(whole.header.stamp.digest, Header().stamp.digest);
    EXPECT_EQ(whole.header.ownerPid, 4321);
    EXPECT_EQ(whole.entries, entries);
    EXPECT_EQ(whole.validBytes, bytes.size());

    // Cut anywhere in the last entry, or any byte of it changed: the others stand.
    const std::size_t lastStart = Encode({entries.begin(), entries.end() - 1}).size();
    const std::vector<JournalEntry> before(entries.begin(), entries.end() - 1);
    for (std::size_t cut = lastStart; cut < bytes.size(); ++cut) {
        const rules::JournalContents torn = rules::DecodeJournal(std::string_view(bytes).substr(0, cut));
        ASSERT_EQ(torn.entries, before) << "cut at " << cut;
        EXPECT_EQ(torn.validBytes, lastStart);
        EXPECT_EQ(torn.state, cut == lastStart ? rules::JournalState::Complete : rules::JournalState::TornTail);
    }
    for (std::size_t at = lastStart; at < bytes.size(); ++at) {
        std::string flipped = bytes;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x10);
        const rules::JournalContents damaged = rules::DecodeJournal(flipped);
        ASSERT_EQ(damaged.entries, before) << "byte " << at;
        EXPECT_EQ(damaged.state, rules::JournalState::TornTail);
    }

    // A damaged header reads nothing; another version is told apart.
    std::string badHeader = bytes;
    badHeader[20] = static_cast<char>(badHeader[20] ^ 1);
    EXPECT_EQ(rules::DecodeJournal(badHeader).state, rules::JournalState::Unreadable);
    EXPECT_TRUE(rules::DecodeJournal(badHeader).entries.empty());
    std::string otherVersion = bytes;
    otherVersion[8] = static_cast<char>(otherVersion[8] + 1);
    EXPECT_EQ(rules::DecodeJournal(otherVersion).state, rules::JournalState::OtherVersion);
    EXPECT_EQ(rules::DecodeJournal("").state, rules::JournalState::Unreadable);
}

TEST(Journal, FileStartsAppendsAndRemoves) {
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("journal_test_" + std::to_string(::getpid()));
    const std::filesystem::path path = rules::JournalPath(root / "versions", "/games/rules.txt");
    EXPECT_EQ(path.parent_path().parent_path(), root / "versions");
    const std::vector<JournalEntry> entries = EveryKind();
    {
        rules::JournalFile file;
        ASSERT_TRUE(file.Start(path, rules::EncodeJournalHeader(Header())));
        for (const JournalEntry& e : entries) ASSERT_TRUE(file.Append(rules::EncodeJournalEntry(e)));
    }
    std::string bytes;
    ASSERT_TRUE(rules::ReadJournalBytes(path, bytes));
    EXPECT_EQ(rules::DecodeJournal(bytes).entries, entries);
    // The same through the writer's thread; a fresh start replaces the old journal.
    std::string failure;
    rules::JournalWriter writer([&](const std::string& why) { failure = why; });
    writer.Start(path, rules::EncodeJournalHeader(Header()));
    for (const JournalEntry& e : entries) writer.Append(rules::EncodeJournalEntry(e));
    writer.Drain();
    ASSERT_TRUE(rules::ReadJournalBytes(path, bytes));
    EXPECT_EQ(rules::DecodeJournal(bytes).entries, entries);
    writer.Remove();
    writer.Drain();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(failure, "");
    std::filesystem::remove_all(root);
}

}  // namespace

namespace {

TEST(Journal, ReplayRebuildsTheUndoStackTypingFoldedAndRedoKept) {
    const rules::FieldRef attack = rules::UnitFieldRef(3, rules::UnitField::Attack);
    const auto push = [&](std::string value, std::string before) {
        JournalEntry e;
        e.kind = Kind::Push;
        e.plan.edits = {{attack, std::move(value)}};
        e.undo.edits = {{attack, std::move(before)}};
        return e;
    };
    const auto movement = [](Kind kind) {
        JournalEntry e;
        e.kind = kind;
        return e;
    };
    // Typing "1" then "12" into Attack (folded), then "3" typed back to the
    // start value (dropped), then an undo.
    const rules::ReplayedStack stack = rules::Replay(
        {push("1", "4"), push("12", "1"), movement(Kind::Fold), push("5", "12"), movement(Kind::Undo),
         push("4", "12"), movement(Kind::Drop), movement(Kind::Redo), movement(Kind::Undo)});
    ASSERT_EQ(stack.steps.size(), 1u);
    EXPECT_EQ(stack.done, 0);
    EXPECT_EQ(stack.steps[0].plan.edits[0].value, "12");
    EXPECT_EQ(stack.steps[0].undo.edits[0].value, "4");
}

}  // namespace
