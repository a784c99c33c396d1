// Speed of one undo and one redo in the editor's window on the full demo
// file: the step itself, the pages showing it (the Units page brought to the
// front with the unit selected) and the check that follows every change.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QUndoStack>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "rules/document/record_fields.h"
#include "ui/edit/document_editor.h"
#include "ui/editor_windows.h"

namespace {

std::string DemoBytes() {
    std::ifstream in(std::filesystem::path(EXAMPLES_DIR) / "rules.txt", std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the demo rules file");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void BM_UndoThenRedo(benchmark::State& state) {
    ui::EditorWindows windows;
    ui::TMainForm& main = windows.main;
    ui::DocumentEditor& editor = main.Editor();
    editor.LoadBytes(DemoBytes(), rules::Language::English);
    editor.Parse();
    main.show();
    main.BuildPages();  // every page follows the edits, as after a user visited them all
    const rules::FieldRef attack = rules::UnitFieldRef(5, rules::UnitField::Attack);
    editor.SetField(attack, "9");
    main.GoToRecord(rules::SectionId::Cosmic, 1);  // each undo brings the Units page back
    for (auto _ : state) {
        editor.Undo();
        editor.Redo();
    }
    // Each iteration is two steps: an undo and a redo.
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_UndoThenRedo)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
