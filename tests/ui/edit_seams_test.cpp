// The seams where edits were lost or made up: a record that was only shown
// must never change, a pick over "no" must undo to "no", and a table cell
// still being typed must be stored by whatever acts on the document next.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

#include "editor_session.h"
#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"

using namespace testing_support;

namespace {

// Units and advances whose advance fields say "no", beside ones that name
// an advance; every other value is plain.
QByteArray RulesFile() {
    return "; invented rules for the seams\r\n@COSMIC\r\n3     ; roads\r\n2     ; trireme\r\n;\r\n"
           "@CIVILIZE\r\n"
           "Kiln Firing,  1, 0, nil, nil, 0, 1 ; Kln\r\n"
           "Bell Casting, 2, 1, Kln, no,  1, 2 ; Bel\r\n"
           "Tide Reading, 3, 0, no,  Bel, 2, 3 ; Tdr\r\n"
           ";\r\n\r\n@UNITS\r\n"
           "Mud Walker,nil,0,1.,0,1a,1d,1h,1f,1,0,0,nil,000000000000000\r\n"
           "Ash Runner,no,0,1.,0,2a,1d,1h,1f,1,0,0,no,000000000000000\r\n"
           "Reed Skiff,Bel,2,1.,0,1a,1d,1h,1f,1,0,4,Kln,000000000000100\r\n"
           ";\r\n";
}

struct Session : EditorSession {
    Session() : EditorSession(RulesFile()) {}
    ui::DocumentEditor& Editor() { return windows.main.Editor(); }
    QUndoStack* Stack() { return Editor().Stack(); }
    std::string Field(const rules::FieldRef& ref) {
        return rules::FieldText(windows.main.Document(), ref);
    }
    // Clicks into the box's text, as a user looking at it would, then walks
    // the keyboard through every control of the form.
    void PassThrough(const char* box) {
        QLineEdit* edit = Find<QComboBox>(box)->lineEdit();
        QTest::mouseClick(edit, Qt::LeftButton);
        for (int k = 0; k < 40; ++k) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTableView* Table() { return Find<QTableView>("RecordTable"); }
    // Opens the editor of a unit's attack cell and types into it, leaving
    // it open.
    void TypeIntoAttackCell(int unit, int value) {
        ClickTab("Table");
        QTableView* view = Table();
        const QModelIndex cell = view->model()->index(unit - 1, 5);
        view->setCurrentIndex(cell);
        view->edit(cell);
        auto* spin = view->findChild<QSpinBox*>("CellEditor");
        QVERIFY(spin);
        spin->setValue(value);
    }
};

}  // namespace

class EditSeamsTest : public QObject {
    Q_OBJECT
  private slots:
    void aRecordOnlyShownNeverChanges() {
        Session s;
        QVERIFY(s.started);
        const QByteArray input = s.folder.Read("rules.txt");
        // A real pick first, so the boxes' lists hold a current item.
        s.ClickTab("Units");
        s.ClickItem("OutUnit", 1);
        s.PickInCombo(s.Find<QComboBox>("Prerequisite"), 1);
        QCOMPARE(s.Stack()->count(), 1);
        // The focus passes through every box of the "no" unit, then on.
        s.ClickItem("OutUnit", 2);
        s.PassThrough("Prerequisite");
        s.PassThrough("GetObsolete");
        s.ClickItem("OutUnit", 3);
        s.ClickTab("Advances");
        s.ClickItem("OutAdvances", 1);
        s.PickInCombo(s.Find<QComboBox>("PreBox2"), 2);
        s.ClickItem("OutAdvances", 3);
        s.PassThrough("PreBox1");
        s.PassThrough("PreBox2");
        s.ClickItem("OutAdvances", 2);
        s.PassThrough("PreBox2");
        s.ClickTab("Cosmic");
        s.ClickTab("Units");
        QCOMPARE(s.Stack()->count(), 2);
        QCOMPARE(s.Field(rules::UnitFieldRef(2, rules::UnitField::Prereq)), std::string("no"));
        QCOMPARE(s.Field(rules::UnitFieldRef(2, rules::UnitField::ObsoleteBy)), std::string("no"));
        // Both picks undone, the save gives the input byte for byte.
        s.Editor().Undo();
        s.Editor().Undo();
        QCOMPARE(s.Save(), input);
    }

    void aPickOverNoUndoesToNo() {
        Session s;
        QVERIFY(s.started);
        const rules::FieldRef prereq = rules::UnitFieldRef(2, rules::UnitField::Prereq);
        s.ClickTab("Units");
        s.ClickItem("OutUnit", 2);
        auto* box = s.Find<QComboBox>("Prerequisite");
        QCOMPARE(box->currentText(), QString("nil"));
        s.PickInCombo(box, 1);
        QCOMPARE(s.Field(prereq), std::string("Kln"));
        s.Editor().Undo();
        QCOMPARE(s.Field(prereq), std::string("no"));
        QCOMPARE(box->currentText(), QString("nil"));
        s.Editor().Redo();
        QCOMPARE(s.Field(prereq), std::string("Kln"));
        // "nil" picked over "no" is a choice of its own ("no": never built).
        s.Editor().Undo();
        s.PickInCombo(box, 0);
        QCOMPARE(s.Field(prereq), std::string("nil"));
        s.Editor().Undo();
        QCOMPARE(s.Field(prereq), std::string("no"));
    }

    // Ctrl+S, a page switch, Earlier Versions, Compare With and closing each
    // store the cell first; closing with it asks one question, not two.
    void anOpenTableCellIsStoredByWhateverActsNext() {
        const rules::FieldRef attack = rules::UnitFieldRef(1, rules::UnitField::Attack);
        {
            Session s;
            QVERIFY(s.started);
            s.TypeIntoAttackCell(1, 7);
            QTest::keyClick(&s.windows.main, Qt::Key_S, Qt::ControlModifier);
            QVERIFY(s.folder.Read("rules.txt").contains("Mud Walker,nil,0,1.,0,7a,"));
            QVERIFY(!s.windows.main.isWindowModified());
        }
        {
            Session s;
            QVERIFY(s.started);
            s.TypeIntoAttackCell(1, 8);
            s.ClickTab("Units");
            QCOMPARE(s.Field(attack), std::string("8"));
        }
        for (const char* action : {"EarlierVersionsAction", "CompareWithAction"}) {
            Session s;
            QVERIFY(s.started);
            s.TypeIntoAttackCell(1, 9);
            s.answers.Then(CloseWindow());
            s.windows.main.findChild<QAction*>(action)->trigger();
            QVERIFY(s.answers.WaitDone());
            QCOMPARE(s.Field(attack), std::string("9"));
        }
        {
            Session s;
            QVERIFY(s.started);
            s.TypeIntoAttackCell(1, 6);
            s.answers.Then(ClickBoxButton(QMessageBox::Cancel));
            QTest::keyClick(&s.windows.main, Qt::Key_Q, Qt::ControlModifier);
            QVERIFY(s.answers.WaitDone());
            QCOMPARE(s.answers.Handled(), 1);
            QVERIFY(s.answers.seenTexts.value(0).startsWith("Save changes to rules.txt"));
            QCOMPARE(s.Field(attack), std::string("6"));
            QVERIFY(s.windows.main.isVisible());
        }
    }

    // A document replaced as a whole (a version restored) while the Table
    // page is in front reaches the table and its chart at once.
    void aReplacedDocumentReachesTheTableShown() {
        Session s;
        QVERIFY(s.started);
        s.ClickTab("Table");
        QCOMPARE(s.Table()->model()->rowCount(), 3);
        QByteArray fewer = RulesFile();
        fewer.replace("Reed Skiff,Bel,2,1.,0,1a,1d,1h,1f,1,0,4,Kln,000000000000100\r\n", "");
        s.Editor().ReplaceDocument(
            s.windows.main.Document().ReadContent(std::string_view(fewer.constData(), size_t(fewer.size()))),
            QStringLiteral("Restore"));
        QCOMPARE(s.Table()->model()->rowCount(), 2);
        QCOMPARE(s.Table()->model()->index(1, 0).data().toString(), QString("Ash Runner"));
        s.Editor().Undo();
        QCOMPARE(s.Table()->model()->rowCount(), 3);
        QCOMPARE(s.Table()->model()->index(2, 0).data().toString(), QString("Reed Skiff"));
    }
};

QTEST_MAIN(EditSeamsTest)
#include "edit_seams_test.moc"
