// Speed of the Source page on a file of about 50 MB (1.3 million lines, a
// line of 100,000 characters among them), offscreen: showing the page the
// first time, scrolling a page down, jumping anywhere, scrolling along the
// long line, finding the next match of a word held once near the end (the
// search reads most of the file), typing a new text to find (every line is
// read to count the matches), and following an edit (the text, the marks
// and the check taken anew, the view painted).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>

#include "generated_rules.h"
#include "rules/document/record_fields.h"
#include "ui/edit/document_editor.h"
#include "ui/pages/check_page.h"
#include "ui/source/source_page.h"
#include "ui/source/source_view.h"

namespace {

constexpr int kLongLine = 1;

std::string BigFile() {
    std::string bytes = bench::GenerateRulesFile(1'300'000);
    const std::size_t second = bytes.find("\r\n") + 2;
    bytes.insert(second, std::string(100'000, 'y') + " ember tail\r\n");
    bytes += "; the one needle of the file\r\n; closing remark\r\n";
    return bytes;
}

struct Page {
    ui::DocumentEditor editor;
    // As in the window: the check page checks each change, the Source page
    // marks what it found.
    ui::CheckPage check{editor};
    ui::SourcePage* page = nullptr;

    Page() {
        editor.LoadBytes(BigFile(), rules::Language::English);
        editor.Parse();
    }
    ui::SourcePage& Shown() {
        if (!page) {
            page = new ui::SourcePage(editor, check);
            page->resize(900, 700);
            page->show();
            QApplication::processEvents();
        }
        return *page;
    }
    ~Page() { delete page; }
};

Page& Shared() {
    static Page page;
    return page;
}

void Paint(ui::SourceView* view) { view->viewport()->repaint(); }

void BM_SourceFirstShow(benchmark::State& state) {
    Page& shared = Shared();
    for (auto _ : state) {
        auto* page = new ui::SourcePage(shared.editor, shared.check);
        page->resize(900, 700);
        page->show();
        Paint(page->View());
        state.PauseTiming();
        delete page;
        state.ResumeTiming();
    }
    state.counters["MB"] = static_cast<double>(shared.editor.Document().Lines().Digest().Size()) / (1 << 20);
    state.counters["lines"] = shared.editor.Document().Lines().LineCount();
}
BENCHMARK(BM_SourceFirstShow)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SourceScrollPage(benchmark::State& state) {
    ui::SourceView* view = Shared().Shown().View();
    QScrollBar* bar = view->verticalScrollBar();
    bar->setValue(0);
    for (auto _ : state) {
        bar->setValue(bar->value() + bar->pageStep());
        Paint(view);
    }
}
BENCHMARK(BM_SourceScrollPage)->Unit(benchmark::kMillisecond);

void BM_SourceJumpAnywhere(benchmark::State& state) {
    ui::SourceView* view = Shared().Shown().View();
    std::uint32_t seed = 7;
    for (auto _ : state) {
        view->SetCurrentLine(static_cast<int>(bench::detail::NextRandom(seed) % 1'300'000));
        Paint(view);
    }
}
BENCHMARK(BM_SourceJumpAnywhere)->Unit(benchmark::kMillisecond);

void BM_SourceScrollLongLine(benchmark::State& state) {
    ui::SourceView* view = Shared().Shown().View();
    view->SetCurrentLine(kLongLine);
    QScrollBar* bar = view->horizontalScrollBar();
    std::uint32_t seed = 11;
    for (auto _ : state) {
        bar->setValue(static_cast<int>(bench::detail::NextRandom(seed) % 100'000));
        Paint(view);
    }
}
BENCHMARK(BM_SourceScrollLongLine)->Unit(benchmark::kMillisecond);

void BM_SourceFindNextFarAway(benchmark::State& state) {
    ui::SourcePage& page = Shared().Shown();
    page.Find(QStringLiteral("NEEDLE"));
    for (auto _ : state) {
        page.View()->SetCurrentLine(0);
        page.FindNext(false);
        Paint(page.View());
    }
    if (page.View()->Match().line < 1'200'000) state.SkipWithError("the needle was not found");
}
BENCHMARK(BM_SourceFindNextFarAway)->Unit(benchmark::kMillisecond);

void BM_SourceTypeTextToFind(benchmark::State& state) {
    ui::SourcePage& page = Shared().Shown();
    bool other = false;
    for (auto _ : state) {
        page.Find(other ? QStringLiteral("needle") : QStringLiteral("needl"));
        other = !other;
        Paint(page.View());
    }
}
BENCHMARK(BM_SourceTypeTextToFind)->Unit(benchmark::kMillisecond);

void BM_SourceFollowEdit(benchmark::State& state) {
    Page& shared = Shared();
    ui::SourcePage& page = shared.Shown();
    page.Find(QString());
    const rules::FieldRef attack = rules::UnitFieldRef(3, rules::UnitField::Attack);
    page.ShowRecord(attack.section, attack.record);
    bool other = false;
    for (auto _ : state) {
        shared.editor.SetField(attack, other ? "4" : "5");
        other = !other;
        Paint(page.View());
    }
}
BENCHMARK(BM_SourceFollowEdit)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
