// The main window: its frame and pages, Save Changes and Quit.
#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include "editor_session.h"
#include "rules/document/align_columns.h"
#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/widgets/editor_style.h"
#include <QUndoStack>

using namespace testing_support;

namespace {

// What the core alone renders for a file loaded and saved without edits.
QByteArray Rendered(const QByteArray& bytes, rules::Language language) {
    rules::RulesDocument document;
    document.LoadBytes(std::string_view(bytes.constData(), size_t(bytes.size())), language);
    document.Parse();
    const std::string out = document.SaveToBytes();
    return QByteArray(out.data(), qsizetype(out.size()));
}

QPushButton* Button(ui::EditorWindows& w, const char* name) {
    return w.main.findChild<QPushButton*>(name);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The list is gathered from the window: every key a page, list or menu
    // handles is in it, the pages' own keys included.
    void keyboardShortcutsListEveryKey() {
        ui::EditorWindows windows;
        ModalAnswerer answers;
        answers.Then(ClickBoxButton(QMessageBox::Ok));
        windows.main.findChild<QAction*>("KeyboardShortcutsAction")->trigger();
        QVERIFY(answers.WaitDone());
        const QString list = answers.seenTexts.value(0);
        for (const char* keys : {"Ctrl+S", "Ctrl+Q", "Ctrl+Z", "Ctrl+Y", "Ctrl+1", "Ctrl+F",
                                 "Ctrl+.", "Alt+T", "Ctrl+A", "Ctrl+C, Ctrl+V", "Escape",
                                 "Enter, Shift+Enter", "Enter, double-click"})
            QVERIFY2(list.contains(QString::fromLatin1(keys)), keys);
        QVERIFY(list.contains("Undo, wherever the focus is"));
    }

    // Edit > Align Columns: one step, values unchanged, what a save writes
    // needs no more aligning; undone, the lines are as they were.
    void alignColumnsIsOneStepThatASaveKeeps() {
        EditorSession session(DemoRules());
        QVERIFY(session.started);
        ui::DocumentEditor& editor = session.windows.main.Editor();
        editor.SetField(rules::UnitFieldRef(1, rules::UnitField::Attack), "12");
        session.windows.main.findChild<QAction*>("AlignColumnsAction")->trigger();
        QCOMPARE(editor.Stack()->count(), 2);
        QCOMPARE(rules::FieldText(session.windows.main.Document(),
                                  rules::UnitFieldRef(1, rules::UnitField::Attack)),
                 std::string("12"));
        const QByteArray saved = session.Save();
        rules::RulesDocument reread;
        reread.LoadBytes(std::string_view(saved.constData(), size_t(saved.size())),
                         rules::Language::English);
        reread.Parse();
        QVERIFY(rules::AlignColumns(reread).empty());
        QCOMPARE(rules::FieldText(reread, rules::UnitFieldRef(1, rules::UnitField::Attack)),
                 std::string("12"));
        editor.Undo();
        editor.Undo();
        QCOMPARE(session.Save(), DemoRules());
    }

    void frameAndPages() {
        ui::EditorWindows windows;
        ui::TMainForm& main = windows.main;
        QCOMPARE(main.windowTitle(), QString("Ovantra Rules File Editor 1.01[*]"));
        QVERIFY(!main.isWindowModified());
        // The designed client area lies below the menu bar, which adds its
        // own height to the window.
        QCOMPARE(main.ClientArea()->size(), QSize(625, 548));
        const int bar = main.findChild<QWidget*>("MenuBar")->height();
        QVERIFY(bar > 0);
        QCOMPARE(main.ClientArea()->pos(), QPoint(0, bar));
        QCOMPARE(main.size(), QSize(625, 548 + bar));
        auto* pages = main.findChild<QTabWidget*>("PageControl");
        QCOMPARE(pages->count(), 8);
        QStringList captions;
        for (int i = 0; i < pages->count(); ++i) captions << pages->tabText(i);
        QCOMPARE(captions,
                 (QStringList{"Cosmic", "Units", "Advances", "About", "Check", "Tree", "Table", "Source"}));
        QCOMPARE(pages->currentWidget()->objectName(), QString("TabSheet2"));
        QVERIFY(!Button(windows, "Button1")->isEnabled());
        QCOMPARE(Button(windows, "Button1")->text(), QString::fromUtf8("\u00df"));
        QCOMPARE(Button(windows, "SaveChanges")->geometry(), QRect(456, 0, 91, 20));
        QCOMPARE(Button(windows, "QuitButton")->geometry(), QRect(544, 0, 81, 20));
        QCOMPARE(main.toolTip(), QString("Right-click for help"));

        main.BuildPages();
        // Each cosmic field starts with its own name, 24 pixels below the last.
        auto* road = main.findChild<QLineEdit*>("RoadMove");
        auto* thrust = main.findChild<QLineEdit*>("MassThrust");
        QCOMPARE(road->text(), QString("RoadMove"));
        QCOMPARE(road->geometry(), QRect(8, 0, 41, 26));
        QCOMPARE(thrust->geometry(), QRect(8, 480, 41, 26));

        // The layout is fixed: a larger window moves nothing.
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.resize(900, 700);
        QCOMPARE(pages->geometry(), QRect(0, 0, 625, 545));
        QCOMPARE(Button(windows, "QuitButton")->geometry(), QRect(544, 0, 81, 20));
    }

    // The editing pages are made when first shown, after the file was read
    // and edited elsewhere: they show the tables as they are then, and the
    // Check page's caption counted its problems before its list existed.
    void pagesMadeWhenFirstShownShowTheTablesAsTheyAre() {
        EditorSession session(DemoRules(), EditorSession::Pages::MadeWhenShown);
        QVERIFY(session.started);
        ui::EditorWindows& windows = session.windows;
        QVERIFY(!windows.main.findChild<QLineEdit*>("RoadMove"));
        ui::DocumentEditor& editor = windows.main.Editor();
        editor.SetField(rules::CosmicFieldRef(1), "7");
        // Out of range: a problem the Check page counts before it has a list.
        editor.SetField(rules::UnitFieldRef(1, rules::UnitField::Attack), "999");
        auto* pages = windows.main.findChild<QTabWidget*>("PageControl");
        const QString checkCaption = pages->tabText(4);
        QCOMPARE(checkCaption, QString("Check (1)"));

        const auto show = [&](const char* page) {
            pages->setCurrentWidget(windows.main.findChild<QWidget*>(page));
        };
        show("Cosmic");
        auto* road = windows.main.findChild<QLineEdit*>("RoadMove");
        QVERIFY(road && road->isVisible());
        QCOMPARE(road->text(), QString("7"));
        show("Units");
        auto* attack = windows.main.findChild<QLineEdit*>("AttackStength");
        QVERIFY(attack && attack->isVisible());
        QCOMPARE(attack->text(), QString("999"));
        QVERIFY(windows.main.findChild<QWidget*>("OutUnit")->isVisible());
        show("Check");
        auto* problems = windows.main.findChild<QTreeWidget*>("ProblemList");
        QVERIFY(problems && problems->isVisible());
        QCOMPARE(problems->topLevelItemCount(), 1);
        QCOMPARE(pages->tabText(4), checkCaption);
        // Only shown, nothing changed: Undo takes back the two edits alone.
        editor.Stack()->undo();
        editor.Stack()->undo();
        QVERIFY(!windows.main.HasUnsavedChanges());
        QCOMPARE(road->text(), QString(rules::FieldText(windows.main.Document(), rules::CosmicFieldRef(1)).c_str()));
    }

    // The menu bar's overflow chevron is read from the desktop's style only
    // when drawn, and is then the desktop's own.
    void deferredChevronIsTheDesktopsIcon() {
        ui::EditorStyle style;
        const QIcon chevron = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        const QIcon desktop =
            QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QVERIFY(!chevron.pixmap(16, 16).isNull());
        QCOMPARE(chevron.pixmap(16, 16).toImage(), desktop.pixmap(16, 16).toImage());
        QCOMPARE(chevron.availableSizes(), desktop.availableSizes());
    }

    void saveWritesTheLoadedLanguageOnly() {
        ScratchFolder folder;
        const QByteArray french = DemoRules("rules.fre");
        folder.Write("rules.txt", DemoRules("rules.txt"));
        folder.Write("rules.fre", french);
        folder.Write("rules.ger", DemoRules("rules.ger"));
        folder.Write("YARV.INI", SettingsFor("FRANCAIS"));
        ModalAnswerer answers;
        ui::EditorWindows windows;
        QVERIFY(StartEditor(windows, answers));
        windows.main.BuildPages();

        // The descriptions stay English; the written comments are French.
        auto* road = windows.main.findChild<QLineEdit*>("RoadMove");
        QCOMPARE(Button(windows, "SaveChanges")->text(), QString("Save Changes"));
        Button(windows, "SaveChanges")->click();
        QCOMPARE(answers.Handled(), 0);  // no message after a save
        const QByteArray saved = folder.Read("rules.fre");
        QCOMPARE(saved, Rendered(french, rules::Language::French));
        QCOMPARE(saved, french);  // nothing edited: the file keeps its bytes
        QCOMPARE(folder.Read("rules.txt"), DemoRules("rules.txt"));
        QCOMPARE(folder.Read("rules.ger"), DemoRules("rules.ger"));

        // An edited value goes in, in place: the file's own French comment
        // stays; saving twice gives the same file.
        road->setText("5");
        windows.main.findChild<QLineEdit*>("FoodCitizen")->setText("9");
        Button(windows, "SaveChanges")->click();
        const QByteArray edited = folder.Read("rules.fre");
        QVERIFY(edited.contains("\r\n5     ; Multiplicateur de d\xE9placement sur les routes\r\n"));
        QVERIFY(edited.contains("\r\n9     ; Nourriture mang\xE9""e par"));  // Windows-1252, not UTF-8
        Button(windows, "SaveChanges")->click();
        QCOMPARE(folder.Read("rules.fre"), edited);
        QCOMPARE(QDir(folder.Path(".")).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    // A cosmic value is a plain number, as on the Table page: "3 4" and
    // "3;4" would read back as "3" and "34", a character outside the file's
    // set cannot be written. Refused text is tinted, never stored, and
    // leaving the field shows the stored value again.
    void cosmicFieldsRefuseWhatTheTableRefuses() {
        EditorSession session(DemoRules());
        QVERIFY(session.started);
        auto* field = session.Find<QLineEdit>("Sewer");
        const auto value = [&] { return session.windows.main.Document().Cosmic().Value(10); };
        // Typed a key at a time, the text is stored while it is a number.
        for (const QString& typed : {QString("3 4"), QString("3;4")}) {
            session.TypeInto(field, typed);
            QCOMPARE(value(), std::string("3"));
            QVERIFY(!field->toolTip().isEmpty());
        }
        session.TypeInto(field, "");
        QCOMPARE(value(), std::string("3"));
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(field->text(), QString("3"));
        session.TypeInto(field, "24");
        QCOMPARE(session.windows.main.Document().Cosmic().Value(10), std::string("24"));
        QVERIFY(!session.windows.main.isWindowModified() || session.windows.main.HasUnsavedChanges());
    }

    void failedSaveKeepsWhatIsOnDisk() {
        EditorSession session(DemoRules());
        QVERIFY(session.started);
        auto& [folder, answers, windows, started] = session;
        // A folder now stands where the file must be written.
        QVERIFY(QFile::remove(folder.Path("rules.txt")));
        QVERIFY(QDir(folder.Path(".")).mkdir("rules.txt"));
        QVERIFY(folder.Write("rules.txt/keep.me", "precious"));
        answers.Then(ClickBoxButton(QMessageBox::Ok));
        Button(windows, "SaveChanges")->click();
        QVERIFY(answers.WaitDone());
        QCOMPARE(answers.seenTitles, QStringList{"Ovantra Rules File Editor"});
        QCOMPARE(answers.seenTexts, QStringList{"Cannot create file rules.txt."});
        QCOMPARE(folder.Read("rules.txt/keep.me"), QByteArray("precious"));
        // No temporary file is left behind.
        QCOMPARE(QDir(folder.Path(".")).entryList(QDir::AllEntries | QDir::Hidden |
                                                  QDir::NoDotAndDotDot).size(), 2);
        // Once the way is clear again, the next click saves.
        QVERIFY(QDir(folder.Path("rules.txt")).removeRecursively());
        Button(windows, "SaveChanges")->click();
        QCOMPARE(folder.Read("rules.txt"), Rendered(DemoRules(), rules::Language::English));
    }

    // Another program rewrote the file after it was loaded: Save Changes
    // asks; No keeps the outside bytes, Yes saves; a file that is gone is
    // saved without asking.
    void saveAsksBeforeOverwritingOutsideChanges() {
        EditorSession session(DemoRules());
        QVERIFY(session.started);
        auto& [folder, answers, windows, started] = session;
        const QByteArray outside = DemoRules().replace("@COSMIC", "@COSMIC\r\n; tuned elsewhere");
        QVERIFY(folder.Write("rules.txt", outside));

        answers.Then([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            QTest::keyClick(box, Qt::Key_Escape);
        });
        Button(windows, "SaveChanges")->click();
        QVERIFY(answers.WaitDone());
        QCOMPARE(answers.seenTitles, QStringList{"Ovantra Rules File Editor"});
        QCOMPARE(answers.seenTexts,
                 QStringList{"The rules file rules.txt was changed by another program after it "
                             "was loaded. Overwrite those changes?"});
        QCOMPARE(folder.Read("rules.txt"), outside);

        answers.Then(ClickBoxButton(QMessageBox::Yes));
        Button(windows, "SaveChanges")->click();
        QVERIFY(answers.WaitDone());
        const QByteArray saved = Rendered(DemoRules(), rules::Language::English);
        QCOMPARE(folder.Read("rules.txt"), saved);

        // What was saved is what the next save compares with; a file that
        // is gone loses nothing.
        Button(windows, "SaveChanges")->click();
        QVERIFY(QFile::remove(folder.Path("rules.txt")));
        Button(windows, "SaveChanges")->click();
        QCOMPARE(folder.Read("rules.txt"), saved);
        QCOMPARE(answers.Handled(), 2);
    }

    // Tab in the post-card text moves on instead of typing a tab.
    void tabLeavesThePostCardText() {
        EditorSession session(DemoRules());
        QVERIFY(session.started);
        auto* memo = session.windows.main.findChild<QPlainTextEdit*>("Memo3");
        QVERIFY(memo && memo->isVisible());
        const QString before = memo->toPlainText();
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Tab);
        QVERIFY(!memo->hasFocus());
        QCOMPARE(memo->toPlainText(), before);
    }

    // With unsaved changes every way of closing asks: Escape is Cancel,
    // Discard closes without writing, Save writes and closes, and a save
    // that fails keeps the window open. Undoing back to the saved state
    // clears the mark and the question.
    void closingWithUnsavedChangesAsks() {
        EditorSession session(DemoRules());
        QVERIFY(session.started);
        auto& [folder, answers, windows, started] = session;
        auto* road = windows.main.findChild<QLineEdit*>("RoadMove");
        const QString original = road->text();
        road->setText("9");
        QVERIFY(windows.main.isWindowModified());
        windows.main.Editor().Undo();
        QVERIFY(!windows.main.isWindowModified());
        windows.main.Editor().Redo();
        QVERIFY(windows.main.isWindowModified());
        // Typed back by hand, the value is what the file holds: saving would
        // write nothing, so there is nothing to ask about.
        road->setText(original);
        QVERIFY(!windows.main.isWindowModified());
        QVERIFY(!windows.main.HasUnsavedChanges());
        road->setText("9");
        QVERIFY(windows.main.isWindowModified());

        answers.Then([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->text(), QString("Save changes to rules.txt before closing?"));
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::Save));
            QVERIFY(box->button(QMessageBox::Discard));
            QTest::keyClick(box, Qt::Key_Escape);
        });
        Button(windows, "QuitButton")->click();  // the Quit button asks this too
        QVERIFY(answers.WaitDone());
        QVERIFY(windows.main.isVisible());

        // A save that cannot write keeps the window open, edits intact.
        QVERIFY(QFile::remove(folder.Path("rules.txt")));
        QVERIFY(QDir(folder.Path(".")).mkdir("rules.txt"));
        answers.Then(PressKey(Qt::Key_Return));  // Save is the default
        answers.Then(ClickBoxButton(QMessageBox::Ok));
        QVERIFY(!windows.main.close());
        QVERIFY(answers.WaitDone());
        QVERIFY(windows.main.isVisible());
        QVERIFY(windows.main.isWindowModified());

        QVERIFY(QDir(folder.Path(".")).rmdir("rules.txt"));
        answers.Then(ClickBoxButton(QMessageBox::Save));
        QVERIFY(windows.main.close());
        QVERIFY(folder.Read("rules.txt").contains("\r\n9     ; Movement multiplier on roads\r\n"));
        QVERIFY(!windows.main.isWindowModified());
    }

    void discardClosesWithoutWriting() {
        EditorSession session(DemoRules());
        QVERIFY(session.started);
        auto& [folder, answers, windows, started] = session;
        windows.main.findChild<QLineEdit*>("RoadMove")->setText("9");
        answers.Then(ClickBoxButton(QMessageBox::Discard));
        QVERIFY(windows.main.close());
        QCOMPARE(folder.Read("rules.txt"), DemoRules());
    }

    void quitAsksFirst() {
        EditorSession session(DemoRules());
        QVERIFY(session.started);
        auto& [folder, answers, windows, started] = session;
        // The question about quitting is the one for a window without
        // unsaved changes: an edit typed back to the file's value is none.
        auto* road = windows.main.findChild<QLineEdit*>("RoadMove");
        const QString original = road->text();
        road->setText("9");
        road->setText(original);

        answers.Then([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Information);
            QCOMPARE(box->button(QMessageBox::Yes)->text(), QString("&Yes"));
            QCOMPARE(box->button(QMessageBox::No)->text(), QString("&No"));
            ClickBoxButton(QMessageBox::No)(modal);
        });
        answers.Then(PressKey(Qt::Key_Escape));
        answers.Then(CloseWindow());
        for (int i = 0; i < 3; ++i) {
            Button(windows, "QuitButton")->click();
            QVERIFY(windows.main.isVisible());
        }
        QCOMPARE(answers.seenTitles.value(0), QString("Information"));
        QCOMPARE(answers.seenTexts.value(0), QString("Do you really want to quit ?"));
        QCOMPARE(road->text(), original);  // the window as it was

        answers.Then(PressKey(Qt::Key_Return));  // Yes is the default
        Button(windows, "QuitButton")->click();
        QVERIFY(!windows.main.isVisible());
        QCOMPARE(folder.Read("rules.txt"), DemoRules());  // quitting never saves
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
