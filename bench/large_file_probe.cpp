// The editor on a rules file of about 50 MB: 650,000 lines in @UNITS, of
// which the table holds its 54 units while the readers set the rest aside
// (kept and saved as they are, and reported by the check), with earlier
// versions kept of it and a second file of the same size to compare with.
//
//   large_file_probe --prepare DIR   writes DIR/pristine: rules.txt, theirs.txt
//                                    (a copy with a few values changed), the
//                                    settings file and five kept versions,
//                                    filed for DIR/run/rules.txt
//   large_file_probe                 run in DIR/run (a copy of DIR/pristine,
//                                    XDG_DATA_HOME=DIR/run/data): starts the
//                                    editor there and measures
//
// The run prints one line of "name value" pairs (see scripts/bench-large-file.sh):
// from the process start until the window shows with the file read; the Units
// page entered, the Check page entered; one edit, one undo, one save (each
// until the window has handled what followed, repainting included); the
// Earlier Versions dialog until its list shows; Compare With... opened on
// theirs.txt, then one edit with it open; and the peak memory.
#include <sys/resource.h>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench/generated_rules.h"
#include "bench/startup_marks.h"
#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "rules/versions/version_store.h"
#include "ui/app_icon.h"
#include "ui/dialogs/compare_with_dialog.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/edit/document_editor.h"
#include "ui/editor_windows.h"
#include "ui/widgets/editor_style.h"
#include "ui/widgets/fonts.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kUnitLines = 650'000;
constexpr int kVersions = 5;
constexpr int kRepeats = 5;

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The file with one value changed: unit `unit`'s cost (or attack) set to `value`.
std::string Edited(const std::string& bytes, rules::UnitField field, int unit, int value) {
    rules::RulesDocument document;
    document.LoadBytes(bytes, rules::Language::English);
    document.Parse();
    rules::SetFieldText(document, rules::UnitFieldRef(unit, field), std::to_string(value));
    return document.SaveToBytes();
}

int Prepare(const fs::path& dir) {
    const fs::path pristine = dir / "pristine";
    fs::remove_all(pristine);
    fs::create_directories(pristine);
    const std::string bytes = bench::GenerateRulesFile(2000, kUnitLines);
    WriteFile(pristine / "rules.txt", bytes);
    WriteFile(pristine / "YARV.INI", "benchmark\r\nENGLISH\r\nNO WARNING\r\n");
    std::string theirs = Edited(bytes, rules::UnitField::Attack, 3, 9);
    theirs = Edited(theirs, rules::UnitField::Cost, 7, 8);
    WriteFile(pristine / "theirs.txt", theirs);
    // Filed as the editor files them for the rules file it will open.
    const fs::path root = pristine / "data" / "Ovantra Rules File Editor" / "versions";
    rules::VersionStore store(root, fs::absolute(dir / "run" / "rules.txt"));
    const auto now = std::chrono::system_clock::now();
    for (int k = kVersions; k >= 1; --k) {
        const rules::Status kept =
            store.KeepBytes(Edited(bytes, rules::UnitField::Cost, k, k % 9 + 1), now - std::chrono::hours(k));
        if (!kept) {
            std::fprintf(stderr, "%s\n", kept.message.c_str());
            return 2;
        }
    }
    std::printf("prepared %s: %zu bytes, %d kept versions\n", pristine.c_str(), bytes.size(), kVersions);
    return 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Lets the window handle what an action left for it: posted events, the
// repaint of what changed.
void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

struct Figures {
    std::vector<std::pair<std::string, double>> named;
    void Add(const std::string& name, double value) { named.emplace_back(name, value); }
    void Print() const {
        for (const auto& [name, value] : named) std::printf("%s %.3f ", name.c_str(), value);
        std::printf("\n");
        std::fflush(stdout);
    }
};

// Times an action until the window has handled it: wall and processor time.
template <typename Action>
std::pair<double, double> Timed(Action&& action) {
    const double wall = bench::MsSinceSpawn();
    const double cpu = bench::CpuMs();
    action();
    Settle();
    return {bench::MsSinceSpawn() - wall, bench::CpuMs() - cpu};
}

// Closes every message box as it comes up (the readers' report of set-aside
// lines, the word about removed versions), and notes when a dialog of the
// given name was first painted.
class Answerer : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                QTimer::singleShot(0, box, [box] { box->accept(); });
        }
        if (event->type() == QEvent::Paint && watched->isWidgetType() && !watchedName.isEmpty()) {
            QWidget* window = static_cast<QWidget*>(watched)->window();
            if (window->objectName() == watchedName && !painted) {
                painted = true;
                QTimer::singleShot(0, window, [this, window] {
                    paintedAt = bench::MsSinceSpawn();
                    if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
                });
            }
        }
        return false;
    }
    void Watch(const QString& name) {
        watchedName = name;
        painted = false;
    }
    QString watchedName;
    bool painted = false;
    double paintedAt = 0;
};

int Run(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::ApplicationTitle());
    QApplication::setWindowIcon(ui::AppIcon());
    ui::InstallFontSubstitutions();
    ui::InstallEditorStyle();
    Answerer answerer;
    app.installEventFilter(&answerer);

    ui::EditorWindows windows;
    ui::TMainForm& main = windows.main;
    main.show();
    main.activateWindow();
    Figures figures;
    const auto peak = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return static_cast<double>(usage.ru_maxrss) / 1024.0;  // MiB
    };

    const auto measure = [&] {
        figures.Add("file_mb", static_cast<double>(fs::file_size("rules.txt")) / (1024.0 * 1024.0));
        figures.Add("peak_loaded_mb", peak());
        auto* pages = main.findChild<QTabWidget*>(QStringLiteral("PageControl"));
        const auto enter = [&](const QString& caption) {
            for (int i = 0; i < pages->count(); ++i)
                if (pages->tabText(i).startsWith(caption)) pages->setCurrentIndex(i);
        };
        figures.Add("units_page_ms", Timed([&] { main.GoToRecord(rules::SectionId::Units, 1); }).first);
        figures.Add("check_page_ms", Timed([&] { enter(QStringLiteral("Check")); }).first);
        main.GoToRecord(rules::SectionId::Units, 1);
        // Edits below are timed with every page following them, as after a
        // user visited them all.
        main.BuildPages();
        Settle();

        ui::DocumentEditor& editor = main.Editor();
        const rules::FieldRef attack = rules::UnitFieldRef(1, rules::UnitField::Attack);
        std::vector<double> edit, editCpu, undo, undoCpu, save, saveCpu, versions, compared, comparedCpu;
        int value = 1;
        for (int k = 0; k < kRepeats; ++k) {
            auto [wall, cpu] = Timed([&] { editor.SetField(attack, std::to_string(value++ % 9 + 1)); });
            edit.push_back(wall);
            editCpu.push_back(cpu);
            std::tie(wall, cpu) = Timed([&] { editor.Undo(); });
            undo.push_back(wall);
            undoCpu.push_back(cpu);
        }
        figures.Add("edit_ms", Median(edit));
        figures.Add("edit_cpu_ms", Median(editCpu));
        figures.Add("undo_ms", Median(undo));
        figures.Add("undo_cpu_ms", Median(undoCpu));
        for (int k = 0; k < 4; ++k) {
            editor.SetField(attack, std::to_string(value++ % 9 + 1));
            Settle();
            auto [wall, cpu] = Timed([&] { main.SaveDocument(); });
            save.push_back(wall);
            saveCpu.push_back(cpu);
        }
        figures.Add("save_ms", Median(save));
        figures.Add("save_cpu_ms", Median(saveCpu));
        for (int k = 0; k < 3; ++k) {
            answerer.Watch(QStringLiteral("EarlierVersionsDialog"));
            const double start = bench::MsSinceSpawn();
            main.EarlierVersionsClick();
            versions.push_back(answerer.painted ? answerer.paintedAt - start : -1);
            Settle();
        }
        answerer.Watch(QString());
        figures.Add("versions_listed_ms", Median(versions));
        ui::CompareWithDialog* dialog = nullptr;
        figures.Add("compare_open_ms", Timed([&] {
                        dialog = ui::CompareWithDialog::Open(editor, QStringLiteral("theirs.txt"), &main);
                        if (dialog) dialog->show();
                    }).first);
        for (int k = 0; k < kRepeats; ++k) {
            const auto [wall, cpu] = Timed([&] { editor.SetField(attack, std::to_string(value++ % 9 + 1)); });
            compared.push_back(wall);
            comparedCpu.push_back(cpu);
        }
        figures.Add("edit_compare_open_ms", Median(compared));
        figures.Add("edit_compare_open_cpu_ms", Median(comparedCpu));
        if (dialog) dialog->close();
        Settle();
        figures.Add("peak_mb", peak());
        figures.Print();
        QApplication::exit(0);
    };

    bool measured = false;
    // Out of whatever nested loop the start-up is in (its report of the
    // set-aside lines) before going on.
    std::function<void()> begin = [&] {
        if (QApplication::activeModalWidget()) return QTimer::singleShot(10, &main, begin);
        if (!measured) {
            measured = true;
            measure();
        }
    };
    bench::FirstPaint watch(main, [&] { return main.Document().Parsed(); }, [&] {
        figures.Add("loaded_shown_ms", bench::MsSinceSpawn());
        figures.Add("loaded_shown_cpu_ms", bench::CpuMs());
        QTimer::singleShot(0, &main, begin);
    });
    app.installEventFilter(&watch);
    QObject::connect(&main.Editor(), &ui::DocumentEditor::Loaded, &watch, [&] { watch.Poke(); });
    bench::GiveUpAfter(600000);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    bench::MsSinceSpawn();
    if (argc == 3 && std::strcmp(argv[1], "--prepare") == 0) return Prepare(argv[2]);
    return Run(argc, argv);
}
