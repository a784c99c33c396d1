// The Table page's "Filter by name" on a section of many rows (a generated
// @TERRAIN section), as the window pays for it: one keystroke changes the
// filter of the table on show, and the view lays out and paints its rows
// again. In file order and sorted by a number column; each iteration types a
// letter or takes one back. Rows: the benchmark's argument.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <map>
#include <memory>

#include "bench/generated_rules.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/table/record_filter.h"
#include "ui/table/section_table_model.h"

namespace {

struct Terrain {
    ui::DocumentEditor editor;
    std::unique_ptr<ui::SectionTableModel> model;
    std::unique_ptr<ui::RecordFilter> filter;
    std::unique_ptr<QTableView> view;
    double firstKeystrokeMs = 0;

    explicit Terrain(std::size_t rows) {
        editor.LoadBytes(bench::GenerateTerrainRulesFile(rows), rules::Language::English);
        editor.Parse();
        model = std::make_unique<ui::SectionTableModel>(editor);
        model->SetSection(editor.Document().Others().Find("TERRAIN"));
        filter = std::make_unique<ui::RecordFilter>(*model);
        view = std::make_unique<QTableView>();
        view->setModel(filter.get());
        view->resize(1000, 700);
        view->show();
        QApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        Type("a");
        firstKeystrokeMs = clock.nsecsElapsed() / 1e6;
        Type("");
    }

    void Type(const char* text) {
        filter->SetNameFilter(QString::fromLatin1(text));
        // What the window does before the next keystroke shows.
        QApplication::processEvents();
        view->viewport()->repaint();
    }
};

// One table per size for all repetitions: reading the file is not measured.
Terrain& TableOf(std::size_t rows) {
    static std::map<std::size_t, std::unique_ptr<Terrain>> tables;
    auto& table = tables[rows];
    if (!table) table = std::make_unique<Terrain>(rows);
    return *table;
}

void Keystrokes(benchmark::State& state, int sortColumn) {
    Terrain& table = TableOf(static_cast<std::size_t>(state.range(0)));
    table.filter->sort(sortColumn, Qt::AscendingOrder);
    table.Type("a");
    bool longer = true;
    for (auto _ : state) {
        table.Type(longer ? "ar" : "a");
        longer = !longer;
    }
    table.Type("");
    state.counters["rows"] = static_cast<double>(table.model->rowCount());
    state.counters["first_ms"] = table.firstKeystrokeMs;
}

void BM_FilterTerrain(benchmark::State& state) { Keystrokes(state, -1); }
void BM_FilterTerrainSortedByNumber(benchmark::State& state) { Keystrokes(state, 1); }

BENCHMARK(BM_FilterTerrain)->Arg(20000)->Arg(100000)->Arg(1340000)->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_FilterTerrainSortedByNumber)->Arg(20000)->Arg(100000)->Arg(1340000)->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
