// The sections without a form on the Table page: chosen by name, typed,
// pasted, adjusted and imported as steps; saved as exactly the values
// changed; taken from another file; reached from the Check page.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>
#include <memory>

#include "editor_session.h"
#include "rules/sections/section_cells.h"
#include "ui/edit/document_editor.h"
#include "ui/main_form.h"
#include "ui/source/source_view.h"
#include "ui/table/adjust_dialog.h"
#include "ui/table/table_page.h"
#include "ui/widgets/comparison_panel.h"
#include "ui/widgets/differences_view.h"

using namespace testing_support;

namespace {

QByteArray Demo() {
    QFile file(QStringLiteral(EXAMPLES_DIR "/rules.txt"));
    if (!file.open(QIODevice::ReadOnly)) qFatal("no demo file");
    return file.readAll();
}

QByteArray Replaced(QByteArray bytes, const char* from, const char* to) {
    const int at = bytes.indexOf(from);
    if (at < 0) qFatal("no %s", from);
    return bytes.replace(at, int(qstrlen(from)), to);
}

struct Session : EditorSession {
    explicit Session(const QByteArray& rules = Demo()) : EditorSession(rules) {}
    ui::TablePage* Page() const { return Find<ui::TablePage>("Table"); }
    QTableView* View() const { return Find<QTableView>("RecordTable"); }
    ui::DocumentEditor& Editor() { return windows.main.Editor(); }
    const rules::RulesDocument& Document() const { return windows.main.Document(); }
    int Terrain() const { return Document().Others().Find("TERRAIN"); }
    std::string Cell(int row, int column) const {
        return rules::CellText(Document(), {Terrain(), row, column});
    }
    QStringList Column(int column) const {
        QStringList texts;
        for (int r = 0; r < View()->model()->rowCount(); ++r)
            texts << View()->model()->index(r, column).data().toString();
        return texts;
    }
    void ChooseTerrain() const {
        auto* chooser = Find<QComboBox>("TableSection");
        chooser->setCurrentIndex(chooser->findText("TERRAIN"));
    }
};

}  // namespace

class SectionTablesTest : public QObject {
    Q_OBJECT
  private slots:
    void ListedAfterTheThreeAndTypedIntoAsOneSavedValue();
    void PastedAdjustedAndImportedAsSteps();
    void TakenFromAnotherFileAndReachedFromTheCheck();
    void FilterOfThousandsOfRowsFollowsTypingOrderAndEdits();
};

void SectionTablesTest::ListedAfterTheThreeAndTypedIntoAsOneSavedValue() {
    Session s;
    QVERIFY(s.started);
    s.ClickTab("Table");
    auto* chooser = s.Find<QComboBox>("TableSection");
    QStringList names;
    for (int i = 0; i < chooser->count(); ++i) names << chooser->itemText(i);
    QCOMPARE(names, QStringList({"Units", "Advances", "Cosmic", "LANDMARKS", "TERRAIN", "GOVERNMENTS"}));
    s.ChooseTerrain();
    QStringList headings;
    for (int c = 0; c < s.View()->model()->columnCount(); ++c)
        headings << s.View()->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headings, QStringList({"name", "move cost", "defense", "food", "shields", "trade", "Comment"}));
    // A column of whole numbers sorts as numbers.
    s.View()->sortByColumn(1, Qt::DescendingOrder);
    QCOMPARE(s.Column(0).first(), QStringLiteral("Cliffland"));
    s.View()->sortByColumn(-1, Qt::AscendingOrder);

    // Typed: one step, named for the cell, the window marked.
    s.View()->setFocus();
    s.View()->setCurrentIndex(s.View()->model()->index(0, 2));
    QTest::keyClicks(s.View(), "4");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(s.Cell(1, 2), std::string("4"));
    QCOMPARE(s.Editor().Stack()->undoText(), QStringLiteral("Defense of Saltmarsh (TERRAIN)"));
    QVERIFY(s.windows.main.isWindowModified());
    // What would split the value is refused, with the reason.
    QVERIFY(!s.View()->model()->setData(s.View()->model()->index(1, 2), "1,2"));
    QVERIFY(s.Find<QLabel>("TableMessage")->text().contains("would split"));
    QCOMPARE(s.Editor().Stack()->count(), 1);

    const QByteArray saved = s.Save();
    QCOMPARE(saved, Replaced(Demo(), "Saltmarsh,        2, 1,", "Saltmarsh,        2, 4,"));
    QVERIFY(!s.windows.main.isWindowModified());
    s.Editor().Undo();
    QVERIFY(s.Editor().HasUnsavedChanges());
    QCOMPARE(s.Save(), Demo());
}

void SectionTablesTest::PastedAdjustedAndImportedAsSteps() {
    Session s;
    QVERIFY(s.started);
    s.ClickTab("Table");
    s.ChooseTerrain();
    s.View()->setCurrentIndex(s.View()->model()->index(0, 3));
    QVERIFY(s.Page()->PasteText("5\t6\n7\t8\n"));
    QCOMPARE(s.Cell(2, 4), std::string("8"));
    QCOMPARE(s.Editor().Stack()->undoText(), QStringLiteral("Paste 4 cells"));
    // A refused cell pastes nothing.
    s.answers.Then(ClickBoxButton(QMessageBox::Ok));
    QVERIFY(!s.Page()->PasteText("1\t2;3\n"));
    QVERIFY(s.answers.WaitDone());
    QCOMPARE(s.Editor().Stack()->count(), 1);

    ui::AdjustDialog adjust(s.Editor(), std::vector<rules::CellRef>{{s.Terrain(), 1, 1}, {s.Terrain(), 1, 0}},
                            &s.windows.main);
    adjust.SetAdjustment(rules::AdjustMode::Add, 3);
    QCOMPARE(adjust.ChangedCount(), 1);  // the name is no number
    adjust.Apply();
    QCOMPARE(s.Cell(1, 1), std::string("5"));

    // Exported and imported back with one value changed: that value alone.
    QVERIFY(s.Page()->ExportCsv(s.folder.Path("terrain.csv")));
    QByteArray csv = s.folder.Read("terrain.csv");
    QVERIFY(csv.startsWith("name,move cost,defense,food,shields,trade,Comment\r\nSaltmarsh,5,1,5,6,0,smh\r\n"));
    s.folder.Write("terrain.csv", Replaced(csv, "Cliffland,3,2,0,2,0,clf", "Cliffland,3,2,0,2,0,cliffs"));
    s.answers.Then([](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>("ImportDifferences");
        if (!list || list->count() != 1) qFatal("unexpected differences");
        QMetaObject::invokeMethod(modal, "accept", Qt::QueuedConnection);
    });
    QVERIFY(s.Page()->ImportCsv(s.folder.Path("terrain.csv")));
    QVERIFY(s.answers.WaitDone());
    QCOMPARE(s.Cell(6, 6), std::string("cliffs"));
    QCOMPARE(s.Editor().Stack()->count(), 3);

    const QList<QByteArray> lines = EditorSession::SectionLines(s.Save(), "@TERRAIN");
    QCOMPARE(lines[0], QByteArray("Saltmarsh,        5, 1, 5, 6, 0 ; smh"));
    QCOMPARE(lines[5], QByteArray("Cliffland,        3, 2, 0, 2, 0 ; cliffs"));
}

void SectionTablesTest::TakenFromAnotherFileAndReachedFromTheCheck() {
    const QByteArray ours = Replaced(Demo(), "Cliffland,        3, 2,", "Cliffland,        3, 2x,");
    Session s(ours);
    QVERIFY(s.started);
    auto theirs = std::make_shared<rules::RulesDocument>();
    theirs->LoadBytes(Replaced(ours, "Ember Court,          Ember Lord,", "Ember Court,          Ash Lord,")
                          .toStdString(),
                      rules::Language::English);
    theirs->Parse();
    ui::ComparisonPanel panel(s.Editor(), ui::ComparisonPanel::Order::NowToTheirs);
    panel.Show(theirs);
    QVERIFY(panel.View()->RowTexts().contains(
        "Row \"Ember Court\" of GOVERNMENTS: column \"title of the leader\" \"Ember Lord\" -> \"Ash Lord\""));
    panel.View()->selectAll();
    panel.TakeSelected();
    const int governments = s.Document().Others().Find("GOVERNMENTS");
    QCOMPARE(rules::CellText(s.Document(), {governments, 2, 1}), std::string("Ash Lord"));
    QVERIFY(s.Editor().Stack()->undoText().startsWith("Take Theirs"));

    // A row's line activated on the Source page shows the row on the table.
    s.ClickTab("Source");
    auto* source = s.Find<ui::SourceView>("SourceView");
    emit source->LineActivated(s.Document().Others().At(governments).LineOf(3));
    QCOMPARE(s.Find<QTabWidget>("PageControl")->currentWidget(), s.Page());
    QCOMPARE(s.Page()->OtherSection(), governments);
    QCOMPARE(s.View()->currentIndex().row(), 2);

    // The stray "2x" is a problem of its cell; activated, the table shows it.
    s.ClickTab("Check");
    auto* problems = s.Find<QTreeWidget>("ProblemList");
    QTreeWidgetItem* stray = nullptr;
    for (int i = 0; i < problems->topLevelItemCount(); ++i)
        if (problems->topLevelItem(i)->text(0).contains("\"2x\"")) stray = problems->topLevelItem(i);
    QVERIFY(stray);
    emit problems->itemDoubleClicked(stray, 0);
    QCOMPARE(s.Find<QTabWidget>("PageControl")->currentWidget(), s.Page());
    QCOMPARE(s.Page()->OtherSection(), s.Terrain());
    QCOMPARE(s.View()->currentIndex().row(), 5);
    QCOMPARE(s.View()->currentIndex().column(), 2);
}

void SectionTablesTest::FilterOfThousandsOfRowsFollowsTypingOrderAndEdits() {
    // Thousands of rows after the demo's six; their defense is i % 3.
    constexpr int kRows = 6000;
    const char* const kinds[] = {"Marsh", "Heath", "Dunes"};
    const auto name = [&](int i) { return QStringLiteral("%1 %2").arg(kinds[i % 3]).arg(i); };
    const char* const last = "Cliffland,        3, 2, 0, 2, 0 ; clf";
    QByteArray rows = last;
    for (int i = 0; i < kRows; ++i)
        rows += QStringLiteral("\r\n%1, 1, %2, 0, 0, 0").arg(name(i)).arg(i % 3).toLatin1();
    Session s(Replaced(Demo(), last, rows.constData()));
    QVERIFY(s.started);
    s.ClickTab("Table");
    s.ChooseTerrain();
    QCOMPARE(s.View()->model()->rowCount(), 6 + kRows);
    s.View()->sortByColumn(2, Qt::DescendingOrder);
    // The current row stays current while it stays on show.
    const int kept = 1203;
    for (int r = 0; r < s.View()->model()->rowCount(); ++r)
        if (s.View()->model()->index(r, 0).data().toString() == name(kept))
            s.View()->setCurrentIndex(s.View()->model()->index(r, 0));

    QElapsedTimer clock;
    clock.start();
    QTest::keyClicks(s.Find<QLineEdit>("TableFilter"), "mARSH 12");
    QApplication::processEvents();
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    // Highest defense first, equal ones in file order.
    QStringList expected;
    for (int defense : {2, 1, 0})
        for (int i = 0; i < kRows; ++i)
            if (i % 3 == defense && name(i).contains("Marsh 12")) expected << name(i);
    QCOMPARE(s.Column(0), expected);
    QCOMPARE(s.View()->currentIndex().data().toString(), name(kept));

    // A name edited out of the filter leaves it at once; cleared, all are back.
    QVERIFY(s.View()->model()->setData(s.View()->currentIndex(), "Reef"));
    QCOMPARE(s.View()->model()->rowCount(), expected.size() - 1);
    QVERIFY(!s.Column(0).contains(name(kept)));
    s.Find<QLineEdit>("TableFilter")->clear();
    QCOMPARE(s.View()->model()->rowCount(), 6 + kRows);
    QCOMPARE(s.View()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("name"));
}

QTEST_MAIN(SectionTablesTest)
#include "section_tables_test.moc"
