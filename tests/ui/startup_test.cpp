#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include "editor_harness.h"
#include "ui/fonts.h"

using namespace testing_support;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void noSettingsShowsWarningThenLanguage() {
        ScratchFolder folder;
        folder.Write("rules.txt", DemoRules());
        ModalAnswerer answers;
        answers.Then(ClickButton("AgreeButton"));
        answers.Then(ClickButton("OkButton"));
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QVERIFY(windows.main.Document().Parsed());
        QCOMPARE(windows.main.Document().GetLanguage(), rules::Language::English);
        QVERIFY(windows.main.findChild<QLineEdit*>("RoadMove")->text() != "RoadMove");
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
