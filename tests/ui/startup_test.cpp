// The start-up sequence: settings file, warning, language choice, loading and
// reading the rules file, and every way it can end early.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "editor_harness.h"

using namespace testing_support;

namespace {

const QByteArray kBrokenRules =
    "; a file with damaged sections\r\n"
    "@COSMIC\r\n"
    "4     ; first\r\n"
    ";\r\n"
    "@CIVILIZE\r\n"
    "Kelpcraft, 2, 0, nil, nil, 0, 1 ; Klp\r\n"
    "this line has no commas at all\r\n"
    ";\r\n"
    "@UNITS\r\n"
    "Reedboat,nil,2,3.,0,1a,1d,1h,1f,4,2,5,Klp,000000000000001\r\n";

bool Parsed(ui::EditorWindows& w) { return w.main.Document().Parsed(); }
QString Field(ui::EditorWindows& w, const char* name) {
    w.main.BuildPages();
    return w.main.findChild<QLineEdit*>(name)->text();
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void noSettingsFileAsksWarningThenLanguage() {
        ScratchFolder folder;
        folder.Write("rules.txt", DemoRules());
        ModalAnswerer answers;
        answers.Then(ClickButton("AgreeButton"));
        answers.Then(ClickButton("OkButton"));
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QVERIFY(Parsed(windows));
        QCOMPARE(windows.main.Document().GetLanguage(), rules::Language::English);
        QCOMPARE(Field(windows, "RoadMove"), QString("3"));
        QVERIFY(windows.main.isVisible());
        QVERIFY(!windows.main.isMinimized());
    }

    void languageDialogChoiceLoadsThatFile() {
        ScratchFolder folder;
        folder.Write("rules.ger", DemoRules("rules.ger"));
        folder.Write("YARV.INI", "free text\r\nNO WARNING\r\n");
        ModalAnswerer answers;
        answers.Then([](QWidget* modal) {
            // No warning: the language dialog comes first.
            QCOMPARE(modal->objectName(), QString("TLangueForm"));
            auto radios = modal->findChildren<QRadioButton*>();
            QCOMPARE(radios.size(), 3);
            QCOMPARE(radios[2]->text(), QString("Deutsch"));
            radios[2]->click();
            ClickButton("OkButton")(modal);
        });
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QVERIFY(Parsed(windows));
        QCOMPARE(windows.main.Document().GetLanguage(), rules::Language::German);
    }

    void settingsFileKeywords_data() {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("warningShown");
        QTest::addColumn<bool>("languageAsked");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("rulesFile");

        QTest::newRow("only line is NO WARNING: first line never examined")
            << QByteArray("NO WARNING\r\n") << true << true << 0 << "rules.txt";
        QTest::newRow("language and no warning") << QByteArray("x\r\nDEUTSCH\r\nNO WARNING\r\n")
                                                 << false << false << 2 << "rules.ger";
        QTest::newRow("order of the keywords does not matter")
            << QByteArray("x\nNO WARNING\nFRANCAIS\n") << false << false << 1 << "rules.fre";
        QTest::newRow("first language line wins")
            << QByteArray("x\r\nFRANCAIS\r\nDEUTSCH\r\nNO WARNING") << false << false << 1 << "rules.fre";
        QTest::newRow("lower case and trailing blank are not keywords")
            << QByteArray("x\r\ndeutsch\r\nENGLISH \r\nNO WARNING\r\n") << false << true << 0
            << "rules.txt";
        QTest::newRow("language in the first line is ignored")
            << QByteArray("DEUTSCH\r\nNO WARNING\r\n") << false << true << 0 << "rules.txt";
        QTest::newRow("language named, warning still due")
            << QByteArray("x\r\nFRANCAIS\r\n") << true << false << 1 << "rules.fre";
    }

    void settingsFileKeywords() {
        QFETCH(QByteArray, settings);
        QFETCH(bool, warningShown);
        QFETCH(bool, languageAsked);
        QFETCH(int, language);
        QFETCH(QString, rulesFile);
        ScratchFolder folder;
        folder.Write("rules.txt", DemoRules("rules.txt"));
        folder.Write("rules.fre", DemoRules("rules.fre"));
        folder.Write("rules.ger", DemoRules("rules.ger"));
        folder.Write("YARV.INI", settings);

        QStringList dialogs;
        ModalAnswerer answers;
        const int expected = int(warningShown) + int(languageAsked);
        for (int i = 0; i < expected; ++i) {
            answers.Then([&dialogs](QWidget* modal) {
                dialogs << modal->objectName();
                if (modal->objectName() == "TWarningForm") ClickButton("AgreeButton")(modal);
                else ClickButton("OkButton")(modal);
            });
        }
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QStringList wanted;
        if (warningShown) wanted << "TWarningForm";
        if (languageAsked) wanted << "TLangueForm";
        QCOMPARE(dialogs, wanted);
        QVERIFY(Parsed(windows));
        QCOMPARE(int(windows.main.Document().GetLanguage()), language);
        QCOMPARE(QString::fromStdString(windows.main.Document().FileName()), rulesFile);
    }

    void refusedWarningClosesWithoutReading() {
        for (const bool languageInSettings : {true, false}) {
            ScratchFolder folder;
            folder.Write("rules.txt", DemoRules());
            if (languageInSettings) folder.Write("YARV.INI", "x\r\nENGLISH\r\n");
            ModalAnswerer answers;
            answers.Then(ClickButton("DontAgreeButton"));
            ui::EditorWindows windows;
            QVERIFY(StartEditor(windows, answers));
            QCOMPARE(answers.Handled(), 1);  // never the language dialog
            QVERIFY(!windows.main.isVisible());
            QVERIFY(!Parsed(windows));
            // With the language named, the file was loaded before the warning.
            QCOMPARE(windows.main.Document().Lines().LineCount() > 0, languageInSettings);
            windows.main.BuildPages();
            QCOMPARE(windows.main.findChild<QListWidget*>("OutUnit")->count(), 0);
        }
    }

    void warningCloseBoxCountsAsRefusal() {
        ScratchFolder folder;
        folder.Write("rules.txt", DemoRules());
        ModalAnswerer answers;
        answers.Then(CloseWindow());
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QVERIFY(!windows.main.isVisible());
        QVERIFY(!Parsed(windows));
    }

    void cancelledLanguageDialogEndsQuietly() {
        ScratchFolder folder;  // no rules.txt: cancelling must not even try to open it
        folder.Write("YARV.INI", "x\r\nNO WARNING\r\n");
        ModalAnswerer answers;
        answers.Then(ClickButton("CancelButton"));
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QCOMPARE(answers.Handled(), 1);
        QVERIFY(answers.seenTexts.isEmpty());
        QVERIFY(!windows.main.isVisible());
        QVERIFY(!Parsed(windows));
    }

    void missingRulesFileNamedInSettingsFailsBeforeTheWarning() {
        ScratchFolder folder;
        folder.Write("YARV.INI", "x\r\nDEUTSCH\r\n");
        ModalAnswerer answers;
        answers.Then(ClickBoxButton(QMessageBox::Ok));
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QCOMPARE(answers.Handled(), 1);  // the error box and nothing else
        QCOMPARE(answers.seenTitles, QStringList{"Ovantra Rules File Editor"});
        QCOMPARE(answers.seenTexts, QStringList{"Cannot open file rules.ger."});
        QVERIFY(windows.main.isVisible());
        QVERIFY(!Parsed(windows));
        QCOMPARE(Field(windows, "RoadMove"), QString("RoadMove"));
        // Each editing page, once in front, says where the editor looked,
        // over the whole of its controls.
        const auto notices = windows.main.findChildren<QLabel*>("NoRulesNotice");
        QCOMPARE(notices.size(), 3);
        auto* pages = windows.main.findChild<QTabWidget*>("PageControl");
        for (QLabel* notice : notices) {
            pages->setCurrentWidget(notice->parentWidget());
            QCoreApplication::processEvents();
            QVERIFY(notice->isVisible());
            QCOMPARE(notice->geometry(), notice->parentWidget()->rect());
            QVERIFY(notice->text().contains("rules.ger"));
            QVERIFY(notice->text().contains(QDir::toNativeSeparators(QDir::currentPath())));
        }
    }

    void rulesFileThatIsAFolderIsNamedSo() {
        ScratchFolder folder;
        folder.Write("YARV.INI", SettingsFor("ENGLISH"));
        QVERIFY(QDir().mkdir(folder.Path("rules.txt")));
        ModalAnswerer answers;
        answers.Then(ClickBoxButton(QMessageBox::Ok));
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QVERIFY(!Parsed(windows));
        auto* notice = windows.main.findChild<QLabel*>("NoRulesNotice");
        QVERIFY(notice);
        QVERIFY2(notice->text().contains("is a folder, not a file"), qPrintable(notice->text()));
        QVERIFY(!notice->text().contains("Start the editor"));
    }

    void missingRulesFileChosenInDialog() {
        ScratchFolder folder;
        ModalAnswerer answers;
        answers.Then(ClickButton("AgreeButton"));
        answers.Then(ClickButton("OkButton"));
        answers.Then(ClickBoxButton(QMessageBox::Ok));
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QCOMPARE(answers.seenTexts, QStringList{"Cannot open file rules.txt."});
        QVERIFY(!Parsed(windows));
        // Saving now has nothing to write, and says so.
        answers.Then(ClickBoxButton(QMessageBox::Ok));
        windows.main.SaveChangesClick();
        QVERIFY(answers.WaitDone());
        QVERIFY(answers.seenTexts.last().contains("nothing to save"));
        QVERIFY(!folder.Exists("rules.txt"));
    }

    void fileNamesMatchIgnoringCase() {
        ScratchFolder folder;
        folder.Write("yarv.ini", "x\r\nENGLISH\r\nNO WARNING\r\n");
        folder.Write("RULES.TXT", DemoRules());
        ModalAnswerer answers;
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QCOMPARE(answers.Handled(), 0);
        QVERIFY(Parsed(windows));
        QCOMPARE(QString::fromStdString(windows.main.Document().FileName()), QString("RULES.TXT"));
        windows.main.SaveChangesClick();
        QVERIFY(!folder.Exists("rules.txt"));  // saved back to the file that was loaded
    }

    void fileNamedOnTheCommandLineIsTheOneEdited() {
        ScratchFolder folder;
        folder.Write("YARV.INI", SettingsFor("ENGLISH"));  // warning off; its language yields
        folder.Write("rules.txt", DemoRules());
        folder.Write("rules.fre", DemoRules("rules.fre"));
        ModalAnswerer answers;
        ui::EditorWindows windows;
        windows.main.SetRulesFile("rules.fre");
        QVERIFY(StartEditor(windows, answers));
        QCOMPARE(answers.Handled(), 0);
        QVERIFY(Parsed(windows));
        QCOMPARE(windows.main.Document().GetLanguage(), rules::Language::French);
        QCOMPARE(QString::fromStdString(windows.main.Document().TargetFileName()),
                 QString("rules.fre"));
    }

    void damagedSectionsAreListedOnce() {
        ScratchFolder folder;
        folder.Write("rules.txt", kBrokenRules);
        folder.Write("YARV.INI", SettingsFor("ENGLISH"));
        ModalAnswerer answers;
        answers.Then(ClickBoxButton(QMessageBox::Ok));
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QCOMPARE(answers.Handled(), 1);
        const QString text = answers.seenTexts.value(0);
        QVERIFY2(text.contains("Line 7 (@CIVILIZE)"), qPrintable(text));
        QVERIFY2(text.contains("@UNITS"), qPrintable(text));  // no closing ";"
        QVERIFY(Parsed(windows));
        windows.main.BuildPages();
        QCOMPARE(windows.main.findChild<QListWidget*>("OutUnit")->count(), 1);
    }

    void wellFormedFileShowsNothingAndRunsOnce() {
        ScratchFolder folder;
        folder.Write("rules.txt", DemoRules());
        folder.Write("YARV.INI", SettingsFor("ENGLISH"));
        ModalAnswerer answers;
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        QCOMPARE(answers.Handled(), 0);
        windows.main.BuildPages();
        auto* units = windows.main.findChild<QListWidget*>("OutUnit");
        const int count = units->count();
        QVERIFY(count > 0);
        // Coming back to the window does not read the file a second time.
        windows.main.FormActivate();
        QCOMPARE(units->count(), count);
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
