#pragma once

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "gui_test_support.h"
#include "ui/editor_windows.h"

namespace testing_support {

// Shows the editor's main window as the program does and waits until its
// start-up sequence ran (the answerer handles the dialogs it opens).
inline bool StartEditor(ui::EditorWindows& windows, ModalAnswerer& answers, int timeoutMs = 5000) {
    // Saving keeps versions in the user's data folder: a scratch one for the
    // whole test run, unless the test chose its own.
    static QTemporaryDir userData;
    if (!qEnvironmentVariableIsSet("XDG_DATA_HOME"))
        qputenv("XDG_DATA_HOME", QFile::encodeName(userData.path()));
    QApplication::setQuitOnLastWindowClosed(false);
    windows.main.show();
    windows.main.activateWindow();
    if (!QTest::qWaitFor([&] { return windows.main.StartupRan(); }, timeoutMs)) {
        // Some platforms do not activate windows on their own.
        windows.main.FormActivate();
    }
    return answers.WaitDone(timeoutMs) &&
           QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, timeoutMs);
}

// The editor started on the given settings and rules files with no dialog:
// the settings file names the language and switches the warning off.
inline QByteArray SettingsFor(const char* keyword) {
    return QByteArray("; editor settings\r\n") + keyword + "\r\nNO WARNING\r\n";
}

}  // namespace testing_support
