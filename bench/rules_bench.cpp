// Speed of the rules document: load, parse (the three readers), render (the
// three writers) and save, on the demo file and on large generated files.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>

#include "bench/generated_rules.h"
#include "rules/document/rules_document.h"

namespace fs = std::filesystem;

namespace {

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

const std::string& DemoBytes() {
    static const std::string bytes = ReadWholeFile(fs::path(EXAMPLES_DIR) / "rules.txt");
    return bytes;
}

// A scratch folder for the files the benchmarks write, removed at exit.
const fs::path& ScratchDir() {
    static const fs::path dir = [] {
        std::string pattern = (fs::temp_directory_path() / "rules_bench.XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(ScratchDir(), ignored);
        });
        return fs::path(pattern);
    }();
    return dir;
}

const std::string& GeneratedBytes(std::size_t lines) {
    static std::map<std::size_t, std::string> cache;
    auto it = cache.find(lines);
    if (it == cache.end()) it = cache.emplace(lines, bench::GenerateRulesFile(lines)).first;
    return it->second;
}

void ReportPerLine(benchmark::State& state, int lineCount, std::size_t bytes) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * lineCount);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    // Seconds per line; the console shows it with an SI prefix (e.g. "41n").
    state.counters["time_per_line"] = benchmark::Counter(
        lineCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["lines"] = lineCount;
}

// Load, parse, render and save to bytes, all in memory, once per iteration.
void RoundTripInMemory(benchmark::State& state, const std::string& input) {
    int lines = 0;
    for (auto _ : state) {
        rules::RulesDocument doc;
        doc.LoadBytes(input, rules::Language::English);
        doc.Parse();
        std::string out = doc.SaveToBytes();
        benchmark::DoNotOptimize(out.data());
        lines = doc.Lines().LineCount();
    }
    ReportPerLine(state, lines, input.size());
}

// (a) The demo file, in memory: bytes in, bytes out.
void BM_DemoInMemory(benchmark::State& state) { RoundTripInMemory(state, DemoBytes()); }
BENCHMARK(BM_DemoInMemory)->Unit(benchmark::kMicrosecond);

// Saving the demo file after edits, to bytes: argument 1 changes one
// unit's attack, argument 0 one field of every record (every unit, advance
// and cosmic value), so that every record line is written anew.
void BM_DemoSaveAfterEdits(benchmark::State& state) {
    rules::RulesDocument doc;
    doc.LoadBytes(DemoBytes(), rules::Language::English);
    doc.Parse();
    const auto bump = [](std::string& text) { text = std::to_string(std::stoi("0" + text) + 1); };
    if (state.range(0) == 1) {
        bump(doc.Units().At(1).attack);
    } else {
        for (int k = 1; k <= doc.Units().Count(); ++k) bump(doc.Units().At(k).attack);
        for (int k = 1; k <= doc.Advances().Count(); ++k) bump(doc.Advances().At(k).aiValue);
        for (int p = 0; p < rules::kCosmicCount; ++p) {
            std::string value = doc.Cosmic().Value(p);
            bump(value);
            doc.Cosmic().SetValue(p, value);
        }
    }
    for (auto _ : state) {
        std::string out = doc.SaveToBytes();
        benchmark::DoNotOptimize(out.data());
    }
    ReportPerLine(state, doc.Lines().LineCount(), DemoBytes().size());
}
BENCHMARK(BM_DemoSaveAfterEdits)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// (b) The demo file from and to disk, as the editor does it.
void BM_DemoOnDisk(benchmark::State& state) {
    const fs::path path = ScratchDir() / "rules.txt";
    fs::copy_file(fs::path(EXAMPLES_DIR) / "rules.txt", path, fs::copy_options::overwrite_existing);
    int lines = 0;
    for (auto _ : state) {
        rules::RulesDocument doc;
        if (!doc.Load(path.string(), rules::Language::English)) {
            state.SkipWithError("cannot load the demo file");
            break;
        }
        doc.Parse();
        if (!doc.Save()) {
            state.SkipWithError("cannot save the demo file");
            break;
        }
        lines = doc.Lines().LineCount();
    }
    ReportPerLine(state, lines, DemoBytes().size());
}
// Wall-clock time: writing and renaming the file is part of the cost.
BENCHMARK(BM_DemoOnDisk)->Unit(benchmark::kMicrosecond)->UseRealTime();

// (c) Large generated files: load from memory, parse, render, save to a file.
// The time per line should stay flat from 10k to 1M lines.
void BM_GeneratedToFile(benchmark::State& state) {
    const std::string& input = GeneratedBytes(static_cast<std::size_t>(state.range(0)));
    const std::string path = (ScratchDir() / "generated.txt").string();
    int lines = 0;
    for (auto _ : state) {
        rules::RulesDocument doc;
        doc.LoadBytes(input, rules::Language::English);
        doc.Parse();
        doc.Render();
        if (!doc.Lines().SaveFile(path)) {
            state.SkipWithError("cannot save the generated file");
            break;
        }
        lines = doc.Lines().LineCount();
    }
    ReportPerLine(state, lines, input.size());
}
BENCHMARK(BM_GeneratedToFile)
    ->UseRealTime()
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// The same without the disk: where the time goes when the file system is slow.
void BM_GeneratedInMemory(benchmark::State& state) {
    RoundTripInMemory(state, GeneratedBytes(static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(BM_GeneratedInMemory)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

// (d) What Save Changes asks of the disk before it writes: whether another
// program rewrote the file. Argument 0: the file is as loaded (its status
// alone answers); 1: it was touched, so its bytes are read and compared.
void BM_OutsideChangeCheck(benchmark::State& state) {
    const std::string& input = GeneratedBytes(1'000'000);
    const fs::path path = ScratchDir() / "checked.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out.write(input.data(), static_cast<std::streamsize>(input.size()));
    }
    rules::RulesDocument doc;
    if (!doc.Load(path.string(), rules::Language::English)) {
        state.SkipWithError("cannot load the generated file");
        return;
    }
    if (state.range(0) == 1) fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(1));
    for (auto _ : state) benchmark::DoNotOptimize(doc.ChangedOnDisk());
    ReportPerLine(state, doc.Lines().LineCount(), input.size());
}
BENCHMARK(BM_OutsideChangeCheck)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
