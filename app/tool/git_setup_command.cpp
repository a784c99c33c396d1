// ovantra-rules git-setup [--global]: makes git merge rules files with
// `ovantra-rules merge` and show their diffs through `ovantra-rules
// textconv`, in this repository or (--global) in all of the user's. Writes
// only what is missing and says what it wrote.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>

#include "app/tool/commands.h"
#include "rules/document/file_bytes.h"
#include "rules/git/git_setup.h"

extern char** environ;

namespace tool {

namespace {

namespace fs = std::filesystem;

struct GitOutcome {
    bool ran = false;  // git started and exited with status 0
    std::string out;   // its standard output, without the final line break
};

// Runs git with these arguments; its error messages are not shown, since
// each failure is told here in the tool's own words.
GitOutcome RunGit(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::string git = "git";
    argv.push_back(git.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = ::posix_spawnp(&pid, "git", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    GitOutcome outcome;
    char chunk[4096];
    for (ssize_t got; (got = ::read(pipeFds[0], chunk, sizeof chunk)) != 0;) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) break;
        outcome.out.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(pipeFds[0]);
    if (spawned != 0) return {};
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    outcome.ran = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    while (!outcome.out.empty() && outcome.out.back() == '\n') outcome.out.pop_back();
    return outcome;
}

// How git should call this program: by its plain name when that is what
// PATH finds, else by its full path (a build tree's copy, say).
std::string ProgramForGit() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return rules::git::kDriverName;
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "";
    while (!dirs.empty()) {
        const std::size_t end = dirs.find(':');
        const fs::path candidate = fs::path(std::string(dirs.substr(0, end))) / rules::git::kDriverName;
        if (fs::equivalent(candidate, self, ec)) return rules::git::kDriverName;
        if (end == std::string_view::npos) break;
        dirs.remove_prefix(end + 1);
    }
    return rules::git::ShellWord(self.string());
}

std::optional<std::string> AttributesFile(bool global) {
    if (global) {
        const char* xdg = std::getenv("XDG_CONFIG_HOME");
        const char* home = std::getenv("HOME");
        return rules::git::GlobalAttributesFile(
            RunGit({"config", "--global", "--get", "core.attributesFile"}).out, xdg ? xdg : "",
            home ? home : "");
    }
    const GitOutcome top = RunGit({"rev-parse", "--show-toplevel"});
    if (!top.ran || top.out.empty()) return std::nullopt;
    return (fs::path(top.out) / ".gitattributes").string();
}

}  // namespace

int RunGitSetup(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("git-setup");
    bool global = false;
    Arguments rest;
    for (const std::string& argument : arguments) {
        if (argument == "--global")
            global = true;
        else
            rest.push_back(argument);
    }
    std::vector<std::string> files;
    if (const std::optional<int> stop = TakeFileNames(command, rest, io, files)) return *stop;
    if (!files.empty()) return UsageError(command, "git-setup takes no file names", io);

    const std::optional<std::string> attributes = AttributesFile(global);
    if (!attributes) {
        io.err << "ovantra-rules: this is not inside a git repository (or git is missing); run "
                  "it in one, or use --global for all of yours.\n";
        return kExitFailure;
    }
    std::string text;
    if (fs::exists(*attributes)) {
        if (const rules::Status status = rules::ReadFileBytes(*attributes, text); !status) {
            io.err << "ovantra-rules: " << status.message << ".\n";
            return kExitFailure;
        }
    }
    const std::vector<std::string> added = rules::git::AddMissingLines(text, rules::git::AttributeLines());
    if (!added.empty()) {
        std::error_code ec;
        fs::create_directories(fs::path(*attributes).parent_path(), ec);
        if (const rules::Status status = rules::WriteFileBytes(*attributes, text); !status) {
            io.err << "ovantra-rules: " << status.message << ".\n";
            return kExitFailure;
        }
        for (const std::string& line : added) io.out << *attributes << ": " << line << "\n";
    }

    bool configured = false;
    const std::string scope = global ? "--global" : "--local";
    for (const rules::git::ConfigEntry& entry : rules::git::ConfigEntries(ProgramForGit())) {
        if (RunGit({"config", scope, "--get", entry.key}).out == entry.value) continue;
        if (!RunGit({"config", scope, entry.key, entry.value}).ran) {
            io.err << "ovantra-rules: git could not set " << entry.key << ".\n";
            return kExitFailure;
        }
        io.out << "git config " << (global ? "--global " : "") << entry.key << " "
               << rules::git::ShellWord(entry.value) << "\n";
        configured = true;
    }
    if (added.empty() && !configured)
        io.out << "Nothing to change: git already merges and compares rules files with "
               << rules::git::kDriverName << ".\n";
    return kExitOk;
}

}  // namespace tool
