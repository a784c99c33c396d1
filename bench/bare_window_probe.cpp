// The yardstick of the editor's start-up: a bare Qt 6 program that shows one
// empty QMainWindow. Reported like the editor's probe (see startup_marks.h):
// when the window shows and, with --save, when it has read the rules file in
// the current folder and written it back as a save does.
#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QSaveFile>
#include <cstring>

#include "bench/startup_marks.h"

int main(int argc, char* argv[]) {
    bench::Trace("main");
    const bool save = argc > 1 && std::strcmp(argv[1], "--save") == 0;
    QApplication app(argc, argv);
    QMainWindow window;
    window.show();
    double visible = 0;
    double visibleCpu = 0;
    bench::FirstPaint watch(window, [] { return true; }, [&] {
        visible = bench::MsSinceSpawn();
        visibleCpu = bench::CpuMs();
        bench::Trace("visible");
        double saved = 0;
        if (save) {
            QFile in(QStringLiteral("rules.txt"));
            QSaveFile out(QStringLiteral("rules.txt"));
            if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly)) {
                out.write(in.readAll());
                out.commit();
            }
            saved = bench::MsSinceSpawn();
        }
        bench::Report(visible, visibleCpu, saved);
        QApplication::quit();
    });
    app.installEventFilter(&watch);
    bench::GiveUpAfter(10000);
    return QApplication::exec();
}
