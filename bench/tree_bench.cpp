// Speed of the tree of advances: building the graph and laying it out with
// Graphviz (what the Tree page does each time the tree changed), drawing it
// as SVG, for a full table of 94 advances and 54 units; with the editor's
// windows, the Tree page's redraw after an edit and its search. The
// readability of the fitted tree (its scale and crossing links) is reported
// as counters.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "bench/generated_rules.h"
#include "rules/document/rules_document.h"
#include "rules/tree/graphviz/tree_layout.h"
#include "rules/tree/tech_tree.h"

#ifdef TREE_BENCH_UI
#include <QApplication>
#include <QLineEdit>
#include <QUndoStack>

#include "rules/document/record_fields.h"
#include "ui/edit/document_editor.h"
#include "ui/tree/tree_page.h"
#endif

namespace {

rules::RulesDocument Parsed(const std::string& bytes) {
    rules::RulesDocument parsed;
    parsed.LoadBytes(bytes, rules::Language::English);
    parsed.Parse();
    return parsed;
}

const rules::RulesDocument& FullDocument() {
    static const rules::RulesDocument document = Parsed(bench::GenerateRulesFile(bench::kSectionLines));
    return document;
}

const rules::RulesDocument& DemoDocument() {
    static const rules::RulesDocument document = [] {
        std::ifstream in(EXAMPLES_DIR "/rules.txt", std::ios::binary);
        return Parsed(std::string(std::istreambuf_iterator<char>(in), {}));
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

void BM_TreeSearch(benchmark::State& state) {
    const rules::RulesDocument& document = FullDocument();
    const rules::TechTree tree = rules::TechTree::Build(document.Advances(), document.Units());
    for (auto _ : state) benchmark::DoNotOptimize(tree.Find("ing"));
}
BENCHMARK(BM_TreeSearch)->Unit(benchmark::kMicrosecond);

// Not a speed: the fitted scale on the page at its placed size (about 589 by
// 420 pixels of view) and in a maximised window (about 1900 by 960), and the
// links that cross, for the demo file and the full generated table.
void ReportReadability(benchmark::State& state, const rules::RulesDocument& document) {
    const rules::TechTree tree = rules::TechTree::Build(document.Advances(), document.Units());
    rules::TreeLayout layout;
    for (auto _ : state) {
        if (!rules::LayOutTree(tree, layout)) state.SkipWithError("layout failed");
    }
    state.counters["scale_placed"] = rules::MeasureReadability(tree, layout, 589, 420).fittedScale;
    const rules::TreeReadability large = rules::MeasureReadability(tree, layout, 1900, 960);
    state.counters["scale_maximised"] = large.fittedScale;
    state.counters["crossings"] = large.crossings;
    state.counters["links"] = static_cast<double>(tree.Edges().size());
}
void BM_ReadabilityDemo(benchmark::State& state) { ReportReadability(state, DemoDocument()); }
void BM_ReadabilityFull(benchmark::State& state) { ReportReadability(state, FullDocument()); }
BENCHMARK(BM_ReadabilityDemo)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadabilityFull)->Unit(benchmark::kMillisecond)->Iterations(1);

#ifdef TREE_BENCH_UI
// The Tree page in front, maximised, on the full table.
struct ShownTree {
    ShownTree() : page(editor.Document()) {
        const std::string bytes = bench::GenerateRulesFile(bench::kSectionLines);
        editor.LoadBytes(bytes, rules::Language::English);
        editor.Parse();
        page.SetEditor(&editor);
        page.resize(1900, 1000);
        page.show();
        page.Enter(40);
    }
    ui::DocumentEditor editor;
    ui::TreePage page;
};

// One prerequisite changed through the editor, and the page's redraw it sets
// off: the tree read again, laid out and put on the screen.
void BM_TreeRedrawAfterEdit(benchmark::State& state) {
    ShownTree shown;
    const rules::FieldRef slot = rules::AdvanceFieldRef(60, rules::AdvanceField::Prereq2);
    const rules::RulesDocument& document = shown.editor.Document();
    const std::string before = document.Advances().At(60).prereq2;
    std::string other = document.Advances().At(3).abbrev;
    if (other == before) other = document.Advances().At(4).abbrev;
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        shown.editor.SetField(slot, flip ? other : before);
    }
    shown.editor.SetField(slot, before);  // as it was for the next run
    if (static_cast<int>(shown.page.Tree().Nodes().size()) != document.Advances().Count())
        state.SkipWithError("no tree drawn");
}
BENCHMARK(BM_TreeRedrawAfterEdit)->Unit(benchmark::kMillisecond);

// Typing into the search field: the matches found, marked and the rest faded.
void BM_TreeSearchAndHighlight(benchmark::State& state) {
    ShownTree shown;
    const QString texts[] = {QStringLiteral("ing"), QStringLiteral("ma")};
    int at = 0;
    for (auto _ : state) shown.page.Search(texts[at++ % 2]);
}
BENCHMARK(BM_TreeSearchAndHighlight)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace

int main(int argc, char** argv) {
#ifdef TREE_BENCH_UI
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
