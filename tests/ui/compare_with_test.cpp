// Compare With... and Take theirs: another rules file's values come into the
// tables one field at a time, as steps Undo takes back, and the differences
// shown follow the tables.
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include "editor_session.h"
#include "rules/document/record_fields.h"
#include "ui/dialogs/compare_with_dialog.h"
#include "ui/dialogs/earlier_versions_dialog.h"
#include "ui/dialogs/merge_dialog.h"
#include "ui/edit/document_editor.h"
#include "ui/widgets/comparison_panel.h"
#include "ui/widgets/differences_view.h"

using namespace testing_support;

namespace {

// Selects exactly `row` as a click would.
void SelectOnly(QTreeWidget* view, QTreeWidgetItem* row) {
    QVERIFY(row);
    view->setCurrentItem(row, 0, QItemSelectionModel::ClearAndSelect);
}

}  // namespace

class CompareWithTest : public QObject {
    Q_OBJECT
private slots:
    // File -> Merge...: their change of another field arrives as one step;
    // the field both changed keeps ours, is listed with base, ours and
    // theirs, and Take theirs resolves it.
    void mergesTheirChangesAndListsWhatBothChanged() {
        EditorSession s(DemoRules());
        QVERIFY(s.started);
        ui::DocumentEditor& editor = s.windows.main.Editor();
        const rules::FieldRef attack = rules::UnitFieldRef(3, rules::UnitField::Attack);
        const rules::FieldRef defense = rules::UnitFieldRef(3, rules::UnitField::Defense);
        QCOMPARE(rules::RecordName(s.windows.main.Document(), rules::SectionId::Units, 3),
                 std::string("Mossrider"));
        QByteArray theirs = DemoRules();
        theirs.replace("Mossrider,       Hft, 0,  1.,0,   1a, 1d,", "Mossrider,       Hft, 0,  1.,0,   4a, 5d,");
        QVERIFY(s.folder.Write("base.txt", DemoRules()));
        QVERIFY(s.folder.Write("theirs.txt", theirs));
        editor.SetField(attack, "3");

        ui::MergeDialog* dialog = ui::MergeDialog::Merge(
            editor, s.folder.Path("base.txt"), s.folder.Path("theirs.txt"), &s.windows.main);
        QVERIFY(dialog);
        QCOMPARE(rules::FieldText(s.windows.main.Document(), defense), std::string("5"));
        QCOMPARE(rules::FieldText(s.windows.main.Document(), attack), std::string("3"));
        QTreeWidget* list = dialog->List();
        QCOMPARE(list->topLevelItemCount(), 1);
        QTreeWidgetItem* row = list->topLevelItem(0);
        QCOMPARE(row->text(0), QString("Unit \"Mossrider\": attack"));
        QCOMPARE(QStringList({row->text(1), row->text(2), row->text(3)}), QStringList({"1", "3", "4"}));
        SelectOnly(list, row);
        dialog->TakeButton()->click();
        QCOMPARE(rules::FieldText(s.windows.main.Document(), attack), std::string("4"));
        QCOMPARE(list->topLevelItemCount(), 0);
        editor.Undo();  // the take
        QCOMPARE(list->topLevelItemCount(), 1);
        editor.Undo();  // the merge
        QCOMPARE(rules::FieldText(s.windows.main.Document(), defense), std::string("1"));
        delete dialog;
    }

    void takesOneFieldFromAnotherFileAndUndoesIt() {
        EditorSession s(DemoRules());
        QVERIFY(s.started);
        ui::TMainForm& main = s.windows.main;
        // A friend's mod: Mossrider attacks 4, roads move 4, a remark
        // reworded. Its name says German; it is read all the same.
        QByteArray mod = DemoRules();
        mod.replace("Mossrider,       Hft, 0,  1.,0,   1a,", "Mossrider,       Hft, 0,  1.,0,   4a,");
        mod.replace("@COSMIC\r\n3     ;", "@COSMIC\r\n4     ;");
        mod.replace("; exactly as they are", "; just as they are");
        QVERIFY(s.folder.Write("mod.ger", mod));

        QVERIFY(main.CompareWithAction()->isVisible());
        s.answers.Then([&](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            QVERIFY(chooser);
            // Typed, as a user would: selectFile() leaves the name out when
            // the name field already has the focus, which depends on when
            // the dialog's window was activated.
            auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(name);
            name->setText(s.folder.Path("mod.ger"));
            // Not accept(): while the dialog's folder is still being read in
            // the background it may take the name for a folder to enter.
            static_cast<QDialog*>(chooser)->done(QDialog::Accepted);
        });
        main.CompareWithAction()->trigger();
        QVERIFY(s.answers.WaitDone());
        auto* dialog = main.findChild<ui::CompareWithDialog*>("CompareWithDialog");
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        ui::DifferencesView* view = dialog->Panel()->View();
        QPushButton* take = dialog->Panel()->TakeButton();
        const QString attackRow = "Unit \"Mossrider\": attack 1 -> 4";
        const QString roadRow = "Cosmic value RoadMove: 3 -> 4";
        QVERIFY(view->RowTexts().contains(attackRow));
        QVERIFY(view->RowTexts().contains(roadRow));
        QVERIFY(!take->isEnabled());
        const QStringList shown = view->RowTexts();

        // A line outside the sections is shown, never taken.
        const QList<QTreeWidgetItem*> lines = view->findItems("Other lines", Qt::MatchExactly);
        QCOMPARE(lines.size(), 1);
        SelectOnly(view, lines.first());
        QVERIFY(!take->isEnabled());

        const rules::FieldRef attack = rules::UnitFieldRef(3, rules::UnitField::Attack);
        QCOMPARE(rules::FieldText(main.Document(), attack), std::string("1"));
        SelectOnly(view, view->RowOf(attack));
        QVERIFY(take->isEnabled());
        const int steps = main.Editor().Stack()->count();
        take->click();
        QCOMPARE(rules::FieldText(main.Document(), attack), std::string("4"));
        QCOMPARE(main.Editor().Stack()->count(), steps + 1);
        QCOMPARE(main.Editor().Stack()->undoText(), QString("Take Theirs: Attack of Mossrider"));
        // Taken, so no longer a difference; the rest stays, nothing more taken.
        QVERIFY(!view->RowTexts().contains(attackRow));
        QVERIFY(view->RowTexts().contains(roadRow));
        QCOMPARE(s.Find<QLineEdit>("RoadMove")->text(), QString("3"));
        QVERIFY(!take->isEnabled());

        main.Editor().Undo();
        QCOMPARE(rules::FieldText(main.Document(), attack), std::string("1"));
        // Only the changed record was compared again: every row as it was,
        // in its place, the other lines' included.
        QCOMPARE(view->RowTexts(), shown);
        QVERIFY(!main.isWindowModified());

        // Double-click on a field's row shows its record on its page.
        emit view->itemActivated(view->RowOf(attack), 0);
        QCOMPARE(s.Find<QTabWidget>("PageControl")->currentWidget()->objectName(),
                 QString("Units"));
        dialog->close();
    }

    void aFileThatCannotBeReadChangesNothing() {
        EditorSession s(DemoRules());
        QVERIFY(s.started);
        s.answers.Then(ClickBoxButton(QMessageBox::Ok));
        const QString missing = s.folder.Path("gone.txt");
        QVERIFY(!ui::CompareWithDialog::Open(s.windows.main.Editor(), missing, &s.windows.main));
        QVERIFY(s.answers.WaitDone());
        QCOMPARE(s.answers.seenTexts.size(), 1);
        QVERIFY(s.answers.seenTexts.first().contains("gone.txt"));
        QVERIFY(!s.windows.main.findChild<ui::CompareWithDialog*>());
        QCOMPARE(s.windows.main.Editor().Stack()->count(), 0);
    }

    // A file that is no rules file is used only when the user says so: an
    // empty theirs would otherwise empty the tables as a clean merge.
    void aFileThatIsNoRulesFileIsUsedOnlyWhenConfirmed() {
        EditorSession s(DemoRules());
        QVERIFY(s.started);
        ui::DocumentEditor& editor = s.windows.main.Editor();
        QVERIFY(s.folder.Write("base.txt", DemoRules()));
        QVERIFY(s.folder.Write("empty.txt", QByteArray()));
        s.answers.Then(ClickBoxButton(QMessageBox::No));
        s.answers.Then(ClickBoxButton(QMessageBox::No));
        QVERIFY(!ui::MergeDialog::Merge(editor, s.folder.Path("base.txt"), s.folder.Path("empty.txt"),
                                        &s.windows.main));
        QVERIFY(!ui::CompareWithDialog::Open(editor, s.folder.Path("empty.txt"), &s.windows.main));
        QVERIFY(s.answers.WaitDone());
        QCOMPARE(s.answers.seenTexts.size(), 2);
        QVERIFY(s.answers.seenTexts.first().contains("is not a rules file"));
        QCOMPARE(editor.Stack()->count(), 0);
        QVERIFY(editor.Document().Units().Count() > 0);
    }

    // An earlier version reads then -> now; taking from it brings back the
    // value it held, not the one the tables hold.
    void takesAFieldBackFromAnEarlierVersion() {
        EditorSession s(DemoRules());
        QVERIFY(s.started);
        ui::TMainForm& main = s.windows.main;
        auto* road = s.Find<QLineEdit>("RoadMove");
        road->setText("7");
        s.Save();
        s.answers.Then([&](QWidget* modal) {
            auto* dialog = qobject_cast<ui::EarlierVersionsDialog*>(modal);
            QVERIFY(dialog);
            ui::DifferencesView* view = dialog->Differences();
            QCOMPARE(view->RowTexts(), QStringList{"Cosmic value RoadMove: 3 -> 7"});
            SelectOnly(view, view->RowOf(rules::CosmicFieldRef(1)));
            dialog->Panel()->TakeButton()->click();
            QCOMPARE(view->RowTexts(), QStringList{"No differences."});
            QCOMPARE(dialog->List()->topLevelItem(0)->text(2), QString("No differences"));
            dialog->reject();
        });
        main.EarlierVersionsClick();
        QVERIFY(s.answers.WaitDone());
        QCOMPARE(road->text(), QString("3"));
        main.Editor().Undo();
        QCOMPARE(road->text(), QString("7"));
    }
};

QTEST_MAIN(CompareWithTest)
#include "compare_with_test.moc"
