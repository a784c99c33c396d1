// Start-up measurement for the editor: builds the windows as the program
// does, in the current directory, lets the start-up sequence run on the first
// activation, and reports when the main window is shown with the three
// sections read, with the peak memory so far. Run it offscreen, in a folder
// holding the rules file and a settings file that skips the dialogs.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "ui/editor_windows.h"
#include "ui/widgets/fonts.h"
#include "ui/dialogs/message_boxes.h"

int main(int argc, char* argv[]) {
    QElapsedTimer sinceMain;
    sinceMain.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(ui::ApplicationTitle());
    ui::InstallFontSubstitutions();

    ui::EditorWindows windows;
    windows.main.show();
    windows.main.activateWindow();

    int status = 1;
    QTimer poll;
    poll.setInterval(0);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (windows.main.Document().Parsed() && windows.main.isVisible()) {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("ready_ms %.3f peak_kb %ld units %d advances %d\n",
                        static_cast<double>(sinceMain.nsecsElapsed()) / 1e6, usage.ru_maxrss,
                        windows.main.Document().Units().Count(),
                        windows.main.Document().Advances().Count());
            status = 0;
            QApplication::quit();
        } else if (sinceMain.elapsed() > 10000) {
            std::fprintf(stderr, "start-up did not finish\n");
            QApplication::quit();
        }
    });
    poll.start();
    QApplication::exec();
    return status;
}
