// The Table page: the sections as rows and columns, sorted and filtered,
// edited by typing, pasting, adjusting and importing, each as one step.
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QSpinBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

#include "editor_session.h"
#include "rules/document/record_fields.h"
#include "ui/edit/document_editor.h"
#include "ui/main_form.h"
#include "ui/table/adjust_dialog.h"
#include "ui/table/balance_chart.h"
#include "ui/table/cell_delegate.h"
#include "ui/table/record_filter.h"
#include "ui/table/table_page.h"

using namespace testing_support;
using rules::UnitField;

namespace {

QByteArray RulesFile() {
    QByteArray out = "; invented rules for the table tests\r\n@COSMIC\r\n";
    for (int k = 1; k <= 21; ++k) out += QByteArray::number(k) + "     ; value\r\n";
    out += ";\r\n\r\n@CIVILIZE\r\n"
           "Tidecraft,      8, -1, nil, nil, 0, 1 ; Tdc\r\n"
           "Kiln Firing,    8,  1, Tdc, nil, 1, 3 ; Kln\r\n"
           ";\r\n\r\n@UNITS\r\n"
           "Mossrider,  no, 0,2.,0,  1a,1d,  1h,1f,12,0,  5, nil,  000000000000001\r\n"
           "Glass Lancer,Tdc,2,3.,0,4a,2d,1h,1f,4,0,0,Kln,100000000000010\r\n"
           "bog stalker,nil,1,2.,0,1a,1d,1h,1f,9,0,1,Tdc,000000000000000\r\n"
           ";\r\n";
    return out;
}

struct Session : EditorSession {
    Session() : EditorSession(RulesFile()) {}
    ui::TablePage* Page() const { return Find<ui::TablePage>("Table"); }
    QTableView* View() const { return Find<QTableView>("RecordTable"); }
    ui::DocumentEditor& Editor() { return windows.main.Editor(); }
    const rules::RulesDocument& Document() const { return windows.main.Document(); }
    std::string Field(int unit, UnitField field) const {
        return rules::FieldText(Document(), rules::UnitFieldRef(unit, field));
    }
    // The shown texts of a column, top to bottom.
    QStringList Column(int column) const {
        QStringList texts;
        for (int r = 0; r < View()->model()->rowCount(); ++r)
            texts << View()->model()->index(r, column).data().toString();
        return texts;
    }
    int ColumnOf(const char* heading) const {
        auto* model = View()->model();
        for (int c = 0; c < model->columnCount(); ++c)
            if (model->headerData(c, Qt::Horizontal).toString() == QLatin1String(heading)) return c;
        qFatal("no column %s", heading);
    }
    void Select(int row, int column) const {
        View()->setCurrentIndex(View()->model()->index(row, column));
    }
};

}  // namespace

class TablePageTest : public QObject {
    Q_OBJECT
  private slots:
    void BuiltOnFirstEntryAndShowsTheUnits();
    void SortsNumbersAsNumbersAndFiltersByName();
    void TypingStoresOneStepThatTheUnitsPageShows();
    void PasteIsAllOrNothing();
    void AdjustIsOneStep();
    void CsvRoundTripChangesNothingAndImportShowsWhatItRestored();
    void ChangedCellsAreMarkedUntilSaved();
    void ChartPlotsEveryUnitAndFollowsEdits();
    void CellEditorsFollowTheForms();
};

void TablePageTest::BuiltOnFirstEntryAndShowsTheUnits() {
    Session s;
    QVERIFY(s.started);
    QVERIFY(!s.Page()->Built());
    QVERIFY(!s.windows.main.findChild<QTableView*>("RecordTable"));
    s.ClickTab("Table");
    QVERIFY(s.Page()->Built());
    QCOMPARE(s.Find<QComboBox>("TableSection")->currentText(), QStringLiteral("Units"));
    QStringList headings;
    for (int c = 0; c < s.View()->model()->columnCount(); ++c)
        headings << s.View()->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headings, QStringList({"Name", "Obsolete by", "Domain", "Moves", "Rounds", "Attack",
                                    "Defense", "Hit points", "Firepower", "Cost", "Hold", "Role",
                                    "Prerequisite", "Flags", "Available", "Advances needed",
                                    "Retired by"}));
    QCOMPARE(s.Column(1), QStringList({"no", "Tidecraft", "nil"}));
    QCOMPARE(s.Column(2), QStringList({"Land", "Sea", "Air"}));
    QCOMPARE(s.Column(11), QStringList({"Settle", "Attack", "Defend"}));
    QCOMPARE(s.Column(12), QStringList({"nil", "Kiln Firing", "Tidecraft"}));
    QCOMPARE(s.Column(14), QStringList({"start", "Renaissance", "Ancient"}));
    QCOMPARE(s.Column(15), QStringList({"0", "2", "1"}));
    QCOMPARE(s.Column(16), QStringList({"", "Ancient", ""}));
    QVERIFY(s.View()->model()->index(1, 13).data(Qt::ToolTipRole).toString().contains("Unit can spot submarines"));

    auto* section = s.Find<QComboBox>("TableSection");
    section->setCurrentIndex(section->findText("Advances"));
    QCOMPARE(s.Column(1), QStringList({"Tdc", "Kln"}));
    QCOMPARE(s.Column(4), QStringList({"nil", "Tidecraft"}));
    QCOMPARE(s.Column(s.ColumnOf("Opens")), QStringList({"1", "0"}));
    QCOMPARE(s.Column(s.ColumnOf("Units")), QStringList({"1", "1"}));
    section->setCurrentIndex(section->findText("Cosmic"));
    QCOMPARE(s.View()->model()->rowCount(), 21);
    QCOMPARE(s.Column(0).first(), QStringLiteral("RoadMove"));
}

void TablePageTest::SortsNumbersAsNumbersAndFiltersByName() {
    Session s;
    QVERIFY(s.started);
    s.ClickTab("Table");
    auto* header = s.View()->horizontalHeader();
    const int cost = s.ColumnOf("Cost");
    // 4 < 9 < 12 as numbers ("12" < "4" as texts).
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(cost) + 5, header->height() / 2));
    QCOMPARE(s.Column(cost), QStringList({"4", "9", "12"}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(cost) + 5, header->height() / 2));
    QCOMPARE(s.Column(cost), QStringList({"12", "9", "4"}));

    QTest::keyClicks(s.Find<QLineEdit>("TableFilter"), "BOG");
    QCOMPARE(s.Column(0), QStringList({"bog stalker"}));
    s.Find<QLineEdit>("TableFilter")->clear();
    QCOMPARE(s.View()->model()->rowCount(), 3);
}

void TablePageTest::TypingStoresOneStepThatTheUnitsPageShows() {
    Session s;
    QVERIFY(s.started);
    s.ClickTab("Table");
    const int attack = s.ColumnOf("Attack");
    s.View()->setFocus();
    s.Select(1, attack);
    QTest::keyClicks(s.View(), "6");
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(s.Field(2, UnitField::Attack), std::string("6"));
    QCOMPARE(s.Editor().Stack()->count(), 1);
    QCOMPARE(s.Editor().Stack()->undoText(), QStringLiteral("Attack of Glass Lancer"));

    // Escape leaves the cell as it was.
    s.Select(1, attack);
    QTest::keyClicks(s.View(), "9");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(s.Field(2, UnitField::Attack), std::string("6"));

    s.ClickTab("Units");
    s.ClickItem("OutUnit", 2);
    QCOMPARE(s.Find<QLineEdit>("AttackStength")->text(), QStringLiteral("6"));
    s.Editor().Stack()->undo();
    QCOMPARE(s.Field(2, UnitField::Attack), std::string("4"));

    // A cell still being edited when the window goes commits as the tables
    // still exist.
    s.ClickTab("Table");
    s.View()->setFocus();
    s.Select(1, attack);
    QTest::keyClicks(s.View(), "3");
}

void TablePageTest::PasteIsAllOrNothing() {
    Session s;
    QVERIFY(s.started);
    s.ClickTab("Table");
    const int attack = s.ColumnOf("Attack");
    s.Select(0, attack);
    // The second cell is beyond the attack's range: nothing at all changes.
    s.answers.Then(ClickBoxButton(QMessageBox::Ok));
    QVERIFY(!s.Page()->PasteText("5\t2\n150\t2\n7\t2\n"));
    QVERIFY(s.answers.WaitDone());
    QVERIFY(s.answers.seenTexts.last().startsWith("Nothing was pasted. Glass Lancer, Attack:"));
    QCOMPARE(s.Field(1, UnitField::Attack), std::string("1"));
    QCOMPARE(s.Editor().Stack()->count(), 0);

    // A whole column, with the defense beside it, is one step.
    QVERIFY(s.Page()->PasteText("5\t2\r\n15\t3\r\n7\t2\r\n"));
    QCOMPARE(s.Field(1, UnitField::Attack), std::string("5"));
    QCOMPARE(s.Field(2, UnitField::Attack), std::string("15"));
    QCOMPARE(s.Field(2, UnitField::Defense), std::string("3"));
    QCOMPARE(s.Editor().Stack()->count(), 1);
    QCOMPARE(s.Editor().Stack()->undoText(), QStringLiteral("Paste 6 cells"));

    // Copy puts the cells out as they are shown; pasting them back changes nothing.
    s.View()->selectionModel()->select(
        QItemSelection(s.View()->model()->index(0, 0), s.View()->model()->index(2, 16)),
        QItemSelectionModel::ClearAndSelect);
    s.Page()->CopySelection();
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.startsWith("Mossrider\tno\tLand\t2\t"));
    s.Select(0, 0);
    QVERIFY(s.Page()->PasteText(copied));
    QCOMPARE(s.Editor().Stack()->count(), 1);

    // Undone on this page, the paste is shown here, not on the Units page.
    s.Editor().Stack()->undo();
    QCOMPARE(s.Field(2, UnitField::Attack), std::string("4"));
    QCOMPARE(s.Find<QTabWidget>("PageControl")->currentWidget(), s.Page());
    QCOMPARE(s.View()->currentIndex().column(), attack);
}

void TablePageTest::AdjustIsOneStep() {
    Session s;
    QVERIFY(s.started);
    s.ClickTab("Table");
    const int cost = s.ColumnOf("Cost");
    std::vector<rules::FieldRef> cells;
    for (int u = 1; u <= 3; ++u) cells.push_back(rules::UnitFieldRef(u, UnitField::Cost));
    // 12, 4, 9 by 150 % is 18, 6, 13.5 -> 14; by 200 % 24 is kept at 20.
    ui::AdjustDialog dialog(s.Editor(), cells, &s.windows.main);
    dialog.SetAdjustment(rules::AdjustMode::MultiplyPercent, 150);
    QCOMPARE(dialog.ChangedCount(), 3);
    dialog.Apply();
    QCOMPARE(s.Column(cost), QStringList({"18", "6", "14"}));
    QCOMPARE(s.Editor().Stack()->undoText(), QStringLiteral("Adjust 3 cells"));
    dialog.SetAdjustment(rules::AdjustMode::MultiplyPercent, 200);
    dialog.Apply();
    QCOMPARE(s.Column(cost), QStringList({"20", "12", "20"}));
    dialog.SetAdjustment(rules::AdjustMode::SetTo, 12);
    QCOMPARE(dialog.ChangedCount(), 2);
    s.Editor().Stack()->undo();
    s.Editor().Stack()->undo();
    QCOMPARE(s.Column(cost), QStringList({"12", "4", "9"}));
}

void TablePageTest::CsvRoundTripChangesNothingAndImportShowsWhatItRestored() {
    Session s;
    QVERIFY(s.started);
    s.ClickTab("Table");
    const QString file = s.folder.Path("units.csv");
    QVERIFY(s.Page()->ExportCsv(file));
    const QByteArray csv = s.folder.Read("units.csv");
    QVERIFY(csv.startsWith("Name,Obsolete by,Domain,Moves,"));
    QVERIFY(csv.contains("\r\nMossrider,no,Land,2,0,1,1,1,1,12,0,Settle,nil,000000000000001,start,0,\r\n"));
    QVERIFY(s.Page()->ImportCsv(file));
    QCOMPARE(s.Editor().Stack()->count(), 0);

    // Rows may come in any order and leave columns out; flags that lost
    // their leading zeros get them back, and the dialog says so.
    s.folder.Write("edit.csv", "Attack,Name,Domain,Flags\r\n9,bog stalker,sea,10\r\n4,Glass Lancer,Sea\r\n");
    s.answers.Then([](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>("ImportDifferences");
        auto* notes = modal->findChild<QListWidget*>("ImportNotes");
        if (!list || list->count() != 3 || !notes || notes->count() != 1) qFatal("unexpected differences");
        QMetaObject::invokeMethod(modal, "accept", Qt::QueuedConnection);
    });
    QVERIFY(s.Page()->ImportCsv(s.folder.Path("edit.csv")));
    QVERIFY(s.answers.WaitDone());
    QCOMPARE(s.Field(3, UnitField::Attack), std::string("9"));
    QCOMPARE(s.Field(3, UnitField::Domain), std::string("2"));
    QCOMPARE(s.Field(3, UnitField::Flags), std::string("000000000000010"));
    QCOMPARE(s.Editor().Stack()->count(), 1);
    QCOMPARE(s.Editor().Stack()->undoText(), QStringLiteral("Import 3 fields"));
}

void TablePageTest::ChangedCellsAreMarkedUntilSaved() {
    Session s;
    QVERIFY(s.started);
    s.ClickTab("Table");
    const int attack = s.ColumnOf("Attack");
    s.Editor().SetField(rules::UnitFieldRef(2, UnitField::Attack), "9");
    const QModelIndex cell = s.View()->model()->index(1, attack);
    QVERIFY(cell.data(Qt::FontRole).value<QFont>().bold());
    QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("On disk: \"4\""));
    QVERIFY(!s.View()->model()->index(1, 0).data(Qt::FontRole).isValid());
    auto* only = s.Find<QCheckBox>("OnlyChanged");
    QVERIFY(only->isEnabled());
    only->click();
    QCOMPARE(s.Column(0), QStringList({"Glass Lancer"}));
    // Undone, the record is as on disk again and leaves the list.
    s.Editor().Stack()->undo();
    QTRY_COMPARE(s.View()->model()->rowCount(), 0);
    s.Editor().Stack()->redo();
    QTRY_COMPARE(s.View()->model()->rowCount(), 1);
    s.Save();
    QTRY_COMPARE(s.View()->model()->rowCount(), 0);
    only->click();
    QVERIFY(!s.View()->model()->index(1, attack).data(Qt::FontRole).isValid());
}

void TablePageTest::ChartPlotsEveryUnitAndFollowsEdits() {
    Session s;
    QVERIFY(s.started);
    s.ClickTab("Table");
    ui::BalanceChart* chart = s.Find<ui::BalanceChart>("BalanceChart");
    QCOMPARE(chart->PointCount(), 3);
    // Glass Lancer's attack 4 is above bog stalker's 1 until it drops to 0.
    QVERIFY(chart->PointOf(2).y() < chart->PointOf(3).y());
    s.Editor().SetField(rules::UnitFieldRef(2, UnitField::Attack), "0");
    QTRY_VERIFY(chart->PointOf(2).y() > chart->PointOf(3).y());
    // A click on a point selects its unit's row.
    QSignalSpy clicked(chart, &ui::BalanceChart::UnitClicked);
    ui::ChartView* view = chart->View();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(chart->PointOf(3)));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(s.View()->currentIndex().row(), 2);
}

void TablePageTest::CellEditorsFollowTheForms() {
    Session s;
    QVERIFY(s.started);
    s.ClickTab("Table");
    // Flags as check boxes: box 15 is the leftmost character.
    const int flags = s.ColumnOf("Flags");
    s.Select(0, flags);
    s.View()->edit(s.View()->currentIndex());
    auto* editor = s.View()->findChild<ui::FlagsEditor*>("CellEditor");
    QVERIFY(editor);
    auto* box = editor->findChild<QCheckBox*>("Flag15");
    QVERIFY(!box->isChecked());
    QVERIFY(editor->findChild<QCheckBox*>("Flag1")->isChecked());
    box->click();
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(s.Field(1, UnitField::Flags), std::string("100000000000001"));

    // A spinner within the field's range, and a typed value outside it refused.
    const int cost = s.ColumnOf("Cost");
    s.Select(0, cost);
    s.View()->edit(s.View()->currentIndex());
    auto* spin = s.View()->findChild<QSpinBox*>("CellEditor");
    QVERIFY(spin);
    QCOMPARE(spin->maximum(), 20);
    QTest::keyClick(spin, Qt::Key_Escape);
    QVERIFY(!s.View()->model()->setData(s.View()->model()->index(0, cost), "21"));
    QVERIFY(s.Find<QLabel>("TableMessage")->text().contains("outside 1 to 20"));
    QCOMPARE(s.Field(1, UnitField::Cost), std::string("12"));

    // An advance typed by name stores its abbreviation; a word picks its number.
    s.View()->setFocus();
    s.Select(0, s.ColumnOf("Prerequisite"));
    QTest::keyClick(s.View(), Qt::Key_K, Qt::ShiftModifier);  // opens the editor
    QTest::keyClicks(QApplication::focusWidget(), "iln Firing");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(s.Field(1, UnitField::Prereq), std::string("Kln"));
    s.Select(0, s.ColumnOf("Domain"));
    QTest::keyClicks(s.View(), "S");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(s.Field(1, UnitField::Domain), std::string("2"));

    // A name the file cannot hold is refused with the reason, not cut short.
    s.Select(0, 0);
    s.View()->setFocus();
    QTest::keyClick(s.View(), Qt::Key_M, Qt::ShiftModifier);  // opens the editor
    QTest::keyClicks(QApplication::focusWidget(), "oss");
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QStringLiteral("\u2713"),
                        Qt::NoModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(s.Find<QLabel>("TableMessage")->text().contains("cannot hold"));
    QCOMPARE(s.Field(1, UnitField::Name), std::string("Mossrider"));
}

QTEST_MAIN(TablePageTest)
#include "table_page_test.moc"
