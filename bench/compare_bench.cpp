// Speed of comparing two rules files field by field: the demo file against
// a copy with a few edits (the usual case), against its French edition (most
// free lines differ), and against a copy in which every field and every free
// line differs (the most work the comparison can be given by a full file).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "rules/compare/comparison.h"
#include "rules/document/rules_document.h"
#include "everything_edited.h"

namespace fs = std::filesystem;

namespace {

std::string Demo(const char* name) {
    std::ifstream in(fs::path(EXAMPLES_DIR) / name, std::ios::binary);
    if (!in) throw std::runtime_error(std::string("cannot read the demo file ") + name);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

rules::RulesDocument Parsed(const std::string& bytes) {
    rules::RulesDocument document;
    document.LoadBytes(bytes, rules::Language::English);
    document.Parse();
    return document;
}

// The demo file with a unit, an advance and a cosmic value edited, a unit
// renamed and a comment line changed.
std::string FewEdits() {
    rules::RulesDocument document = Parsed(Demo("rules.txt"));
    document.Units().At(7).attack += "1";
    document.Units().At(30).name += "s";
    document.Advances().At(12).prereq1 = "nil";
    document.Cosmic().SetValue(0, "4");
    std::string bytes = document.SaveToBytes();
    bytes.replace(bytes.find("; Ovantra demo rules"), 20, "; Ovantra mod rules!");
    return bytes;
}

void Run(benchmark::State& state, const std::string& otherBytes) {
    const rules::RulesDocument base = Parsed(Demo("rules.txt"));
    const rules::RulesDocument other = Parsed(otherBytes);
    std::size_t differences = 0;
    for (auto _ : state) {
        const rules::Comparison comparison = rules::Compare(base, other);
        differences = comparison.records.size() + comparison.lines.size();
        benchmark::DoNotOptimize(differences);
    }
    state.counters["differences"] = static_cast<double>(differences);
}

void BM_CompareDemoFewEdits(benchmark::State& state) { Run(state, FewEdits()); }
BENCHMARK(BM_CompareDemoFewEdits)->Unit(benchmark::kMicrosecond);

void BM_CompareDemoWithFrench(benchmark::State& state) { Run(state, Demo("rules.fre")); }
BENCHMARK(BM_CompareDemoWithFrench)->Unit(benchmark::kMicrosecond);

void BM_CompareDemoEverythingEdited(benchmark::State& state) {
    Run(state, EverythingEdited(Demo("rules.txt")));
}
BENCHMARK(BM_CompareDemoEverythingEdited)->Unit(benchmark::kMicrosecond);

// What `ovantra-rules diff` does past reading the files: both parsed, then
// compared.
void BM_ParseBothAndCompare(benchmark::State& state) {
    const std::string base = Demo("rules.txt");
    const std::string other = FewEdits();
    for (auto _ : state) {
        const rules::RulesDocument a = Parsed(base);
        const rules::RulesDocument b = Parsed(other);
        benchmark::DoNotOptimize(rules::Compare(a, b).records.size());
    }
}
BENCHMARK(BM_ParseBothAndCompare)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
