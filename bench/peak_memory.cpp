// Peak memory of loading, parsing, rendering and saving a large rules file.
//
// The file (one million lines by default) is generated to disk first. Then a
// fresh process (this program again, started with --child) loads it, runs the
// three readers and the three writers and saves it, and its peak resident set
// size is compared with the file size. The child is exec'd rather than only
// forked so that its peak does not include the generator's memory.
//
//   rules_peak_memory [lines]          generate, measure, print the figures
//   rules_peak_memory --child FILE     (internal) do the work on FILE

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/generated_rules.h"
#include "rules/document/rules_document.h"

namespace fs = std::filesystem;

namespace {

constexpr double kTargetRatio = 3.0;

int RunChild(const char* path) {
    rules::RulesDocument doc;
    const rules::Status loaded = doc.Load(path, rules::Language::English);
    if (!loaded) {
        std::fprintf(stderr, "%s\n", loaded.message.c_str());
        return 2;
    }
    doc.Parse();
    const rules::Status saved = doc.Save();
    if (!saved) {
        std::fprintf(stderr, "%s\n", saved.message.c_str());
        return 2;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    // Read by the parent: peak RSS in KiB and the line count.
    std::printf("%ld %d\n", usage.ru_maxrss, doc.Lines().LineCount());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return RunChild(argv[2]);

    const std::size_t lines = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1'000'000;
    char dirPattern[] = "/tmp/rules_peak.XXXXXX";
    if (!::mkdtemp(dirPattern)) {
        std::perror("mkdtemp");
        return 2;
    }
    const fs::path dir(dirPattern);
    const fs::path file = dir / "rules.txt";
    {
        const std::string bytes = bench::GenerateRulesFile(lines);
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const auto fileSize = fs::file_size(file);

    // The child's answer comes back through a pipe.
    int fds[2];
    if (::pipe(fds) != 0) {
        std::perror("pipe");
        return 2;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        const std::string fileArg = file.string();
        ::execl("/proc/self/exe", argv[0], "--child", fileArg.c_str(), static_cast<char*>(nullptr));
        std::perror("exec");
        ::_exit(127);
    }
    ::close(fds[1]);
    char reply[128] = {};
    std::size_t got = 0;
    for (ssize_t n;
         got < sizeof reply - 1 && (n = ::read(fds[0], reply + got, sizeof reply - 1 - got)) > 0;)
        got += static_cast<std::size_t>(n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    std::error_code ignored;
    fs::remove_all(dir, ignored);

    long peakKiB = 0;
    int lineCount = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(reply, "%ld %d", &peakKiB, &lineCount) != 2) {
        std::fprintf(stderr, "the measuring process failed\n");
        return 2;
    }
    const double peakBytes = static_cast<double>(peakKiB) * 1024.0;
    const double ratio = peakBytes / static_cast<double>(fileSize);
    std::printf("lines:          %d\n", lineCount);
    std::printf("file size:      %.1f MiB\n", static_cast<double>(fileSize) / 1048576.0);
    std::printf("peak RSS:       %.1f MiB (load + parse + render + save, fresh process)\n",
                peakBytes / 1048576.0);
    std::printf("peak/file size: %.2f (target <= %.1f) %s\n", ratio, kTargetRatio,
                ratio <= kTargetRatio ? "OK" : "OVER TARGET");
    return ratio <= kTargetRatio ? 0 : 1;
}
