#include "rules/document/line_store.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "test_files.h"

namespace rules {
namespace {

using testing::StoreOf;

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScratchDir;
using testing::RunAsOrdinaryUser;
using testing::RunInChild;
using testing::WriteBytes;

std::vector<std::string> LinesOf(const LineStore& store) {
    std::vector<std::string> lines;
    for (int i = 0; i < store.LineCount(); ++i) lines.emplace_back(store.GetLine(i));
    return lines;
}

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(LineStoreBreaks, EveryKindOfBreakEndsALineAndBecomesCrLf) {
    const LineStore store = StoreOf("a\r\nb\rc\nd\n\re\r\n");
    EXPECT_EQ(LinesOf(store), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(store.SaveBytes(), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
}

TEST(LineStoreBreaks, FinalBreakIsWrittenOnlyWhenTheTextHadOne) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},           {"x", "x"},     {"x\n", "x\r\n"},
        {"x\r", "x\r\n"},   {"\n", "\r\n"}, {"\r\n\r\n", "\r\n\r\n"},
        {"a\nb", "a\r\nb"},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(StoreOf(input).SaveBytes(), expected) << "input size " << input.size();
    }
    EXPECT_EQ(StoreOf("").LineCount(), 0);
    EXPECT_EQ(StoreOf("x\r\n").LineCount(), 1);
    EXPECT_EQ(StoreOf("\r\n\r\n").LineCount(), 2);
    EXPECT_EQ(StoreOf("x").LineCount(), 1);
}

TEST(LineStoreBytes, NulHighBytesAndLongLinesPassThrough) {
    std::string everything;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') everything.push_back(static_cast<char>(b));
    }
    const std::string longLine(200000, 'q');
    const std::string input =
        everything + "\r\n" + std::string("after\0nul\xE9", 10) + "\n" + longLine;
    const LineStore store = StoreOf(input);
    ASSERT_EQ(store.LineCount(), 3);
    EXPECT_EQ(store.GetLine(0), everything);
    EXPECT_EQ(store.GetLine(1), std::string("after\0nul\xE9", 10));
    EXPECT_EQ(store.GetLine(2).size(), longLine.size());
    EXPECT_EQ(store.SaveBytes(),
              everything + "\r\n" + std::string("after\0nul\xE9", 10) + "\r\n" + longLine);
}

TEST(LineStoreEdits, PutLineReplacesOneLineInPlace) {
    LineStore store = StoreOf("one\ntwo\nthree");
    store.PutLine(1, "TWO, longer");
    store.PutLine(-1, "ignored");
    store.PutLine(3, "ignored");
    EXPECT_EQ(store.LineCount(), 3);
    EXPECT_EQ(store.GetLine(1), "TWO, longer");
    EXPECT_EQ(store.GetLine(3), "");
    EXPECT_EQ(store.GetLine(-5), "");
    EXPECT_EQ(store.SaveBytes(), "one\r\nTWO, longer\r\nthree");
    store.PutLine(1, "two");
    EXPECT_EQ(store.SaveBytes(), "one\r\ntwo\r\nthree");
    // A new load forgets earlier edits.
    store.PutLine(0, "edited");
    store.LoadBytes(std::string_view("fresh\n"));
    EXPECT_EQ(store.SaveBytes(), "fresh\r\n");
}

TEST(LineStoreFiles, LoadFailuresNameTheFileAndKeepTheContent) {
    ScratchDir dir;
    LineStore store = StoreOf("kept\n");
    const std::string missing = dir / "rules.txt";
    const Status status = store.LoadFile(missing);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.message, "Cannot open file " + missing);
    EXPECT_EQ(store.SaveBytes(), "kept\r\n");

    const Status onFolder = store.LoadFile(dir.Path().string());
    EXPECT_FALSE(onFolder);
    EXPECT_EQ(onFolder.message, "Cannot open file " + dir.Path().string());
    EXPECT_EQ(store.SaveBytes(), "kept\r\n");
}

TEST(LineStoreFiles, LoadAndSaveRoundTripThroughDisk) {
    ScratchDir dir;
    const std::string path = dir / "rules.txt";
    WriteBytes(path, std::string("a\nb\0c\r\n\xE9", 9));
    LineStore store;
    ASSERT_TRUE(store.LoadFile(path));
    EXPECT_EQ(store.LineCount(), 3);
    store.PutLine(0, "A");
    ASSERT_TRUE(store.SaveFile(path));
    EXPECT_EQ(ReadBytes(path), std::string("A\r\nb\0c\r\n\xE9", 10));
    EXPECT_EQ(FolderEntries(dir.Path()),
              std::vector<std::string>{"rules.txt"});  // no temp file left
}

TEST(LineStoreSave, KeepsPermissionsOfTheReplacedFile) {
    ScratchDir dir;
    const std::string path = dir / "rules.fre";
    WriteBytes(path, "old\n");
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(StoreOf("new\n").SaveFile(path));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(path), "new\r\n");
}

TEST(LineStoreSave, NewFileGetsTheUsualModeNotTheTempFilesOwnerOnlyMode) {
    ScratchDir dir;
    const std::string path = dir / "rules.ger";
    const mode_t mask = ::umask(022);
    const Status status = StoreOf("x\n").SaveFile(path);
    ::umask(mask);
    ASSERT_TRUE(status);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST(LineStoreSave, FollowsASymbolicLinkAndKeepsIt) {
    ScratchDir dir;
    fs::create_directory(dir.Path() / "real");
    const std::string real = dir / "real/rules.txt";
    WriteBytes(real, "old\n");
    fs::create_symlink("real/rules.txt", dir.Path() / "rules.txt");
    ASSERT_TRUE(StoreOf("new\n").SaveFile(dir / "rules.txt"));
    EXPECT_TRUE(fs::is_symlink(dir.Path() / "rules.txt"));
    EXPECT_EQ(ReadBytes(real), "new\r\n");
}

TEST(LineStoreSave, FolderWhereTheFileMustGoFailsAndLeavesNoTrace) {
    ScratchDir dir;
    fs::create_directory(dir.Path() / "rules.txt");
    WriteBytes(dir / "rules.txt/inside", "keep");
    const std::string target = dir / "rules.txt";
    const Status status = StoreOf("x\n").SaveFile(target);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.message, "Cannot create file " + target);
    EXPECT_EQ(ReadBytes(dir / "rules.txt/inside"), "keep");
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"rules.txt"});

    const std::string inMissingFolder = dir / "absent/rules.txt";
    EXPECT_EQ(StoreOf("x\n").SaveFile(inMissingFolder).message,
              "Cannot create file " + inMissingFolder);
}

TEST(LineStoreSave, WriteFailureKeepsTheOldFile) {
    ScratchDir dir;
    const std::string path = dir / "rules.txt";
    WriteBytes(path, "old content\n");
    const std::string big(100000, 'z');
    // A file size limit makes the write fail part way, as a full disk would.
    const int code = RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {};
        limit.rlim_cur = 4096;
        limit.rlim_max = RLIM_INFINITY;
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return 2;
        const Status status = StoreOf(big).SaveFile(path);
        if (status) return 3;
        return status.message == "Stream write error" ? 0 : 4;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadBytes(path), "old content\n");
    EXPECT_EQ(FolderEntries(dir.Path()), std::vector<std::string>{"rules.txt"});
}

TEST(LineStoreSave, APipeUnderTheNameIsWrittenToNotReplaced) {
    ScratchDir dir;
    const std::string path = dir / "rules.txt";
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const Status status = StoreOf("through the pipe\n").SaveFile(path);
    char buffer[64] = {};
    const ssize_t got = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    EXPECT_TRUE(status);
    EXPECT_TRUE(fs::is_fifo(path));
    EXPECT_EQ(std::string(buffer, got > 0 ? static_cast<std::size_t>(got) : 0),
              "through the pipe\r\n");
}

TEST(LineStoreSave, ReadOnlyFolderWithWritableFileIsRewrittenInPlace) {
    ScratchDir dir;
    const fs::path folder = dir.Path() / "game";
    fs::create_directory(folder);
    const std::string path = (folder / "rules.txt").string();
    const std::string locked = (folder / "rules.ger").string();
    WriteBytes(path, "a much longer old content that must not survive\n");
    WriteBytes(locked, "locked\n");
    ::chmod(path.c_str(), 0666);
    ::chmod(locked.c_str(), 0444);
    ::chmod(dir.Path().c_str(), 0755);
    ::chmod(folder.c_str(), 0555);

    const int code = RunAsOrdinaryUser([&] {
        if (!StoreOf("short\n").SaveFile(path)) return 1;
        const Status refused = StoreOf("x\n").SaveFile(locked);
        if (refused || refused.message != "Cannot create file " + locked) return 2;
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadBytes(path), "short\r\n");
    EXPECT_EQ(ReadBytes(locked), "locked\n");
}

TEST(LineStoreSave, ReadOnlyFileInAWritableFolderIsNeverReplaced) {
    ScratchDir dir;
    const fs::path folder = dir.Path() / "game";
    fs::create_directory(folder);
    const std::string path = (folder / "rules.txt").string();
    WriteBytes(path, "kept\n");
    ::chmod(path.c_str(), 0444);
    ::chmod(dir.Path().c_str(), 0755);
    ::chmod(folder.c_str(), 0777);

    // Root may write any file, so the check runs as an ordinary user.
    const int code = RunAsOrdinaryUser([&] {
        const Status refused = StoreOf("x\n").SaveFile(path);
        return !refused && refused.message == "Cannot create file " + path ? 0 : 1;
    });
    if (code == 90) GTEST_SKIP() << "running as root and unable to drop to an ordinary user";
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadBytes(path), "kept\n");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    EXPECT_EQ(fs::directory_iterator(folder)->path().filename(), "rules.txt");  // no temp left
}

}  // namespace
}  // namespace rules
