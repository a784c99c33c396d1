// Start-up measurement for the editor: starts it as its program entry does,
// in the current directory, lets the start-up sequence run on the first
// activation, and reports (see startup_marks.h) when the window shows with
// the three sections read. With --save it then changes one value and saves,
// as a user's first Save Changes does, keeping the version it replaces.
// Run it in a folder holding the rules file and a settings file that skips
// the dialogs; the bare program of bare_window_probe.cpp is its yardstick.
#include <QApplication>
#include <cstring>

#include "bench/startup_marks.h"
#include "rules/document/record_fields.h"
#include "ui/app_icon.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/edit/document_editor.h"
#include "ui/editor_windows.h"
#include "ui/widgets/editor_style.h"
#include "ui/widgets/fonts.h"

int main(int argc, char* argv[]) {
    bench::Trace("main");
    const bool save = argc > 1 && std::strcmp(argv[1], "--save") == 0;
    QApplication app(argc, argv);
    bench::Trace("QApplication");
    QApplication::setApplicationName(ui::ApplicationTitle());
    QApplication::setWindowIcon(ui::AppIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral(RULES_EDITOR_APP_ID));
    ui::InstallFontSubstitutions();
    ui::InstallEditorStyle();
    bench::Trace("icon and fonts");

    ui::EditorWindows windows;
    bench::Trace("windows built");
    windows.main.show();
    // A desktop activates a new window; a bare X server without a window
    // manager only does when asked, and the first activation reads the file.
    windows.main.activateWindow();
    bench::Trace("shown");

    int status = 1;
    double visible = 0;
    double visibleCpu = 0;
    const auto parsed = [&] { return windows.main.Document().Parsed(); };
    bench::FirstPaint watch(windows.main, parsed, [&] {
        visible = bench::MsSinceSpawn();
        visibleCpu = bench::CpuMs();
        bench::Trace("visible");
        double saved = 0;
        if (save) {
            // The first unit's attack, one more than it was.
            const rules::FieldRef attack = rules::UnitFieldRef(1, rules::UnitField::Attack);
            const std::string was = rules::FieldText(windows.main.Document(), attack);
            windows.main.Editor().SetField(attack, std::to_string(std::atoi(was.c_str()) + 1));
            if (!windows.main.SaveDocument()) {
                QApplication::quit();
                return;
            }
            saved = bench::MsSinceSpawn();
            bench::Trace("saved");
        }
        bench::Report(visible, visibleCpu, saved);
        status = 0;
        QApplication::quit();
    });
    app.installEventFilter(&watch);
    bench::GiveUpAfter(10000);
    QObject::connect(&windows.main.Editor(), &ui::DocumentEditor::Loaded, &watch, [&] {
        bench::Trace("parsed");
        watch.Poke();
    });
    QApplication::exec();
    return status;
}
