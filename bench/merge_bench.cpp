// Speed of the three-way merge on the demo file: two copies with a few edits
// each (the usual case: a mod and an update of its base), and a copy with
// every field and every other line edited against one with a few edits (the
// most the merge can be given by a file of that size). Each run parses the
// three files, plans the merge and renders the result, as `ovantra-rules
// merge` does after reading them.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "rules/compare/merge.h"
#include "rules/document/file_bytes.h"
#include "rules/document/rules_document.h"
#include "everything_edited.h"

namespace {

std::string Demo() {
    std::string bytes;
    const std::string file = (std::filesystem::path(EXAMPLES_DIR) / "rules.txt").string();
    if (!rules::ReadFileBytes(file, bytes)) throw std::runtime_error("cannot read " + file);
    return bytes;
}

using Edit = void (*)(rules::RulesDocument&);

// The demo with fields edited and, after saving, one comment line changed.
std::string Edited(Edit edit, const char* from, const char* to) {
    rules::RulesDocument document;
    document.LoadBytes(Demo(), rules::Language::English);
    document.Parse();
    edit(document);
    std::string bytes = document.SaveToBytes();
    bytes.replace(bytes.find(from), std::string(from).size(), to);
    return bytes;
}

// A mod: two units stronger, an advance earlier, one cosmic value.
std::string Ours() {
    return Edited(
        [](rules::RulesDocument& d) {
            rules::SetFieldText(d, rules::UnitFieldRef(5, rules::UnitField::Attack), "3");
            rules::SetFieldText(d, rules::UnitFieldRef(30, rules::UnitField::Defense), "9");
            rules::SetFieldText(d, rules::AdvanceFieldRef(12, rules::AdvanceField::Epoch), "0");
            rules::SetFieldText(d, rules::CosmicFieldRef(1), "4");
        },
        "; Ovantra demo rules", "; Ovantra mod rules!");
}

// An update of the base: other fields, one of them in a record the mod
// changed too, and another comment line.
std::string Theirs() {
    return Edited(
        [](rules::RulesDocument& d) {
            rules::SetFieldText(d, rules::UnitFieldRef(5, rules::UnitField::Defense), "3");
            rules::SetFieldText(d, rules::UnitFieldRef(40, rules::UnitField::Cost), "7");
            rules::SetFieldText(d, rules::AdvanceFieldRef(20, rules::AdvanceField::Prereq2), "Kln");
            rules::SetFieldText(d, rules::CosmicFieldRef(12), "12");
        },
        "; Global constants", "; Global constants, updated");
}

void Run(benchmark::State& state, const std::string& ours, const std::string& theirs) {
    const std::string base = Demo();
    int changes = 0, conflicts = 0;
    for (auto _ : state) {
        const rules::MergeResult result = rules::MergeFiles(base, ours, theirs, rules::Language::English);
        changes = result.plan.Changes();
        conflicts = static_cast<int>(result.plan.conflicts.size());
        benchmark::DoNotOptimize(result.bytes.data());
    }
    state.counters["changes"] = changes;
    state.counters["conflicts"] = conflicts;
}

void BM_MergeDemoTwoEditedCopies(benchmark::State& state) { Run(state, Ours(), Theirs()); }
BENCHMARK(BM_MergeDemoTwoEditedCopies)->Unit(benchmark::kMicrosecond);

void BM_MergeDemoEverythingEditedOnTheirSide(benchmark::State& state) {
    Run(state, Ours(), EverythingEdited(Demo()));
}
BENCHMARK(BM_MergeDemoEverythingEditedOnTheirSide)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
