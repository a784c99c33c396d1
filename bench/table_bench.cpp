// Speed of the Table page's model on the bundled demo file (54 units): one
// sort by a numeric column, one filter by name, and a paste of a whole
// column with every cell checked, stored as one step and followed by the
// rules check, as the editor runs it after every edit.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "rules/check/rules_check.h"
#include "rules/document/rules_document.h"
#include "rules/edits/table_plans.h"
#include "ui/edit/document_editor.h"
#include "ui/table/record_filter.h"
#include "ui/table/plan_steps.h"
#include "ui/table/record_table_model.h"

namespace {

std::string DemoBytes() {
    std::ifstream in(std::filesystem::path(EXAMPLES_DIR) / "rules.txt", std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the demo rules file");
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Table {
    ui::DocumentEditor* editor;
    ui::RecordTableModel* model;
    ui::RecordFilter* filter;

    Table() {
        editor = new ui::DocumentEditor();
        editor->LoadBytes(DemoBytes(), rules::Language::English);
        editor->Parse();
        model = new ui::RecordTableModel(*editor);
        filter = new ui::RecordFilter(*model);
    }
    ~Table() {
        delete filter;
        delete model;
        delete editor;
    }
};

void BM_SortUnitsByCost(benchmark::State& state) {
    Table table;
    const int cost = table.model->ColumnOfField(static_cast<int>(rules::UnitField::Cost));
    bool descending = false;
    for (auto _ : state) {
        table.filter->sort(cost, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        descending = !descending;
        benchmark::DoNotOptimize(table.filter->index(0, 0));
    }
    state.counters["units"] = table.model->rowCount();
}
BENCHMARK(BM_SortUnitsByCost)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

void BM_FilterUnitsByName(benchmark::State& state) {
    Table table;
    bool narrow = false;
    for (auto _ : state) {
        table.filter->SetNameFilter(narrow ? QStringLiteral("an") : QStringLiteral("a"));
        narrow = !narrow;
        benchmark::DoNotOptimize(table.filter->rowCount());
    }
}
BENCHMARK(BM_FilterUnitsByName)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

void BM_PasteWholeColumn(benchmark::State& state) {
    Table table;
    const int attack = table.model->ColumnOfField(static_cast<int>(rules::UnitField::Attack));
    const int units = table.model->rowCount();
    std::vector<int> records;
    for (int u = 1; u <= units; ++u) records.push_back(u);
    // Two columns of values in turn, so that every paste changes every cell.
    rules::CellRows columns[2];
    for (int u = 0; u < units; ++u) {
        columns[0].push_back({std::to_string(u % 12)});
        columns[1].push_back({std::to_string(u % 12 + 1)});
    }
    int turn = 0;
    for (auto _ : state) {
        const rules::RulesDocument& document = table.editor->Document();
        rules::EditPlan plan = rules::PlanPaste(document, rules::SectionId::Units, records, {attack}, columns[turn]);
        if (plan.Refused()) state.SkipWithError("paste refused");
        ui::StorePlan(*table.editor, std::move(plan), "Paste", "cell");
        benchmark::DoNotOptimize(rules::CheckRules(document));
        turn = 1 - turn;
    }
    state.counters["cells"] = units;
}
BENCHMARK(BM_PasteWholeColumn)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
