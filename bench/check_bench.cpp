// Speed of the rules check: the bundled demo file (94 advances, 54 units),
// and generated tables of growing size, sound and full of faults, reporting
// the time per record and prerequisite link, which stays flat as the tables
// grow.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "generated_rules.h"
#include "rules/check/check_state.h"
#include "rules/check/prerequisite_circles.h"
#include "rules/document/record_fields.h"
#include "rules/check/rules_check.h"

namespace fs = std::filesystem;

namespace {

rules::RulesDocument Parsed(const std::string& bytes) {
    rules::RulesDocument doc;
    doc.LoadBytes(bytes, rules::Language::English);
    doc.Parse();
    return doc;
}

std::string DemoBytes() {
    std::ifstream in(fs::path(EXAMPLES_DIR) / "rules.txt", std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the demo rules file");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Abbrev(int n) {
    std::string a = "Q";
    a += static_cast<char>('a' + n / 26 % 26);
    a += static_cast<char>('a' + n % 26);
    return a;
}

// `advances` advances, each needing two earlier ones, and units in the
// demo's proportion. With `faulty`, every advance needs the next one (one
// circle through all of them), half the references name nothing, and every
// value is out of range: each record gives several problems.
std::string GeneratedFile(int advances, bool faulty) {
    std::string out = "; Generated for the check benchmark\r\n@COSMIC\r\n";
    for (int k = 0; k < 21; ++k) out += std::string(faulty ? "x" : "4") + ",  ;constant\r\n";
    out += ";\r\n@CIVILIZE\r\n";
    for (int n = 0; n < advances; ++n) {
        std::string p1 = n < 2 ? "nil" : Abbrev(n / 2);
        std::string p2 = n < 2 ? "nil" : Abbrev(n - 1);
        if (faulty) {
            p1 = Abbrev((n + 1) % advances);
            if (n % 2) p2 = "Zz" + std::to_string(n);
        }
        out += "Advance " + Abbrev(n) + ", 3, -1, " + p1 + ", " + p2 + ", " +
               (faulty ? "9" : std::to_string(n * 4 / advances)) + ", 2 ; " + Abbrev(n) + "\r\n";
    }
    out += ";\r\n@UNITS\r\n";
    const int units = advances * 54 / 94;
    for (int n = 0; n < units; ++n) {
        const std::string prereq = faulty && n % 2 ? "Zz" : Abbrev(n % advances);
        out += "Unit " + Abbrev(n) + "," + (faulty ? Abbrev(n % advances) : "nil") + ",0," +
               (faulty ? "30" : "1") + ".,0,1a,1d,1h,1f,3,0,1," + prereq +
               ",000000000000000\r\n";
    }
    return out + ";\r\n";
}

void RunCheck(benchmark::State& state, const rules::RulesDocument& doc) {
    std::size_t problems = 0;
    for (auto _ : state) {
        rules::Problems found = rules::CheckRules(doc);
        problems = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    // Records (advances, units, 21 cosmic values) plus prerequisite links.
    const rules::PrerequisiteLinks links(doc.Advances());
    int linkCount = 0;
    for (int k = 1; k <= doc.Advances().Count(); ++k)
        linkCount += static_cast<int>(links.Needs(k).size());
    const int size = doc.Advances().Count() + doc.Units().Count() + rules::kCosmicCount + linkCount;
    state.counters["records_and_links"] = size;
    state.counters["problems"] = static_cast<double>(problems);
    state.counters["time_per_item"] = benchmark::Counter(
        size, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CheckDemo(benchmark::State& state) {
    static const rules::RulesDocument doc = Parsed(DemoBytes());
    RunCheck(state, doc);
}
BENCHMARK(BM_CheckDemo)->Unit(benchmark::kMicrosecond);

void BM_CheckGenerated(benchmark::State& state) {
    const rules::RulesDocument doc =
        Parsed(GeneratedFile(static_cast<int>(state.range(0)), state.range(1) != 0));
    RunCheck(state, doc);
}
// The tables hold at most 94 advances and 54 units: growth is measured up to
// that, sound (0) and faulty (1).
BENCHMARK(BM_CheckGenerated)
    ->ArgNames({"advances", "faulty"})
    ->ArgsProduct({{12, 24, 47, 94}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The check the Check page keeps, after one edit of a unit's attack: on the
// demo file and on the 50 MB file of the large-file probe (650,000 lines
// set aside in @UNITS).
void KeptCheckAfterEdit(benchmark::State& state, rules::RulesDocument& doc) {
    rules::CheckState check;
    check.CheckAll(doc);
    int value = 1;
    for (auto _ : state) {
        rules::SetFieldText(doc, rules::UnitFieldRef(1, rules::UnitField::Attack),
                            std::to_string(value++ % 9 + 1));
        check.TablesChanged(doc);
        benchmark::DoNotOptimize(check.Problems().data());
    }
}
void BM_KeptCheckEdit_Demo(benchmark::State& state) {
    rules::RulesDocument doc = Parsed(DemoBytes());
    KeptCheckAfterEdit(state, doc);
}
void BM_KeptCheckEdit_50MB(benchmark::State& state) {
    rules::RulesDocument doc = Parsed(bench::GenerateRulesFile(2000, 650'000));
    KeptCheckAfterEdit(state, doc);
}
BENCHMARK(BM_KeptCheckEdit_Demo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeptCheckEdit_50MB)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
