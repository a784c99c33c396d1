// Speed of the tree of advances: building the graph and laying it out with
// Graphviz (what the Tree page does each time the tree changed), and drawing
// it as SVG, for a full table of 94 advances and 54 units.

#include <benchmark/benchmark.h>

#include "bench/generated_rules.h"
#include "rules/tree/graphviz/tree_layout.h"
#include "rules/document/rules_document.h"
#include "rules/tree/tech_tree.h"

namespace {

const rules::RulesDocument& FullDocument() {
    static const rules::RulesDocument document = [] {
        rules::RulesDocument parsed;
        parsed.LoadBytes(bench::GenerateRulesFile(bench::kSectionLines), rules::Language::English);
        parsed.Parse();
        return parsed;
    }();
    return document;
}

void BM_TreeBuild(benchmark::State& state) {
    const rules::RulesDocument& document = FullDocument();
    for (auto _ : state) {
        rules::TechTree tree = rules::TechTree::Build(document.Advances(), document.Units());
        benchmark::DoNotOptimize(tree);
    }
    state.counters["advances"] = document.Advances().Count();
}
BENCHMARK(BM_TreeBuild)->Unit(benchmark::kMicrosecond);

void BM_TreeLayout(benchmark::State& state) {
    const rules::RulesDocument& document = FullDocument();
    for (auto _ : state) {
        const rules::TechTree tree = rules::TechTree::Build(document.Advances(), document.Units());
        rules::TreeLayout layout;
        if (!rules::LayOutTree(tree, layout)) state.SkipWithError("layout failed");
        benchmark::DoNotOptimize(layout);
    }
    state.counters["advances"] = document.Advances().Count();
}
BENCHMARK(BM_TreeLayout)->Unit(benchmark::kMillisecond);

void BM_TreeSvg(benchmark::State& state) {
    const rules::RulesDocument& document = FullDocument();
    const rules::TechTree tree = rules::TechTree::Build(document.Advances(), document.Units());
    for (auto _ : state) {
        std::string svg;
        if (!rules::RenderTree(tree, rules::TreeFormat::Svg, svg)) state.SkipWithError("drawing failed");
        benchmark::DoNotOptimize(svg);
    }
}
BENCHMARK(BM_TreeSvg)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
