// Switching the language while edits are unsaved: the captions change at
// once, in every language and back, and the edits stay, unsaved and undoable.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QUndoStack>
#include <QtTest>

#include "editor_session.h"
#include "ui/edit/document_editor.h"
#include "ui/language/language_choice.h"

using namespace testing_support;

class LanguageSwitchTest : public QObject {
    Q_OBJECT
  private slots:
    void switchingKeepsTheEditsAndChangesTheCaptions() {
        EditorSession s(DemoRules());
        QVERIFY(s.started);
        ui::DocumentEditor& editor = s.windows.main.Editor();
        s.ClickTab("Units");
        s.ClickItem("OutUnit", 2);
        auto* attack = s.Find<QLineEdit>("AttackStength");
        const QString before = attack->text();
        s.TypeInto(attack, "17");
        QCOMPARE(editor.Stack()->count(), 1);
        auto* label = s.Find<QLabel>("Label5");
        QCOMPARE(label->text(), QString("Attack strength"));

        const QPair<const char*, QString> languages[] = {
            {"Language_fr", QStringLiteral("Attaque")},
            {"Language_de", QStringLiteral("Angriffsstärke")},
            {"Language_en", QStringLiteral("Attack strength")}};
        for (const auto& [action, caption] : languages) {
            // As the user picks it: from the View menu, which is made anew.
            s.Find<QAction>(action)->trigger();
            QCoreApplication::processEvents();
            QCOMPARE(label->text(), caption);
            QCOMPARE(attack->text(), QString("17"));
            QCOMPARE(editor.Stack()->count(), 1);
            QVERIFY(s.windows.main.HasUnsavedChanges());
        }
        QCOMPARE(ui::ChosenLanguage(), QString("en"));
        ui::RememberLanguage(QString());
        QCOMPARE(s.Find<QTabWidget>("PageControl")->tabText(1), QString("Units"));
        editor.Undo();
        QCOMPARE(attack->text(), before);
        QVERIFY(!editor.Stack()->canUndo());
    }
};

QTEST_MAIN(LanguageSwitchTest)
#include "language_switch_test.moc"
