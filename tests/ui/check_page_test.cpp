// The Check page follows the user's edits, folds what follows from a cause
// under it, takes the user to the record, hides kinds of warnings and
// applies fixes as steps that undo.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include "editor_session.h"
#include "ui/edit/document_editor.h"
#include "ui/main_form.h"
#include "ui/pages/check_page.h"
#include "ui/pages/record_page.h"
#include "ui/widgets/outline_list.h"
#include "ui/widgets/remembered_settings.h"

using namespace testing_support;

namespace {

QByteArray SoundRules() {
    QByteArray out = "; invented rules for the check page\r\n@COSMIC\r\n";
    for (int k = 1; k <= 21; ++k) out += "4,  ;constant\r\n";
    out += ";\r\n@CIVILIZE\r\n"
           "Tidecraft, 8, 1, nil, nil, 0, 3 ; Tdc\r\n"
           "Glass Lancing, 5, 0, Tdc, nil, 0, 0 ; Gls\r\n"
           "Mist Charting, 4, -1, Gls, nil, 0, 2 ; Mch\r\n"
           ";\r\n@UNITS\r\n"
           "Mossrider,nil,0,1.,0,1a,1d,1h,1f,1,0,5,nil,000000000000000\r\n"
           "Fog Skiff,nil,2,3.,0,2a,1d,1h,1f,4,2,4,Mch,000000000000000\r\n"
           ";\r\n";
    return out;
}

void DoubleClick(QTreeWidget* view, QTreeWidgetItem* item) {
    const QPoint at = view->visualItemRect(item).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

// Chooses `action` in the menu that `open` opens.
template <typename Open>
void ChooseInMenu(const QString& action, Open open) {
    bool chosen = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* a : menu->actions())
            if (a->text() == action) {
                chosen = true;
                a->trigger();
            }
        menu->close();
    });
    open();
    if (!chosen) qFatal("no menu action %s", qPrintable(action));
}

// Right-clicks the item and chooses `action` in its menu.
void ChooseInMenu(QTreeWidget* view, QTreeWidgetItem* item, const QString& action) {
    ChooseInMenu(action, [&] {
        view->setCurrentItem(item);
        emit view->customContextMenuRequested(view->visualItemRect(item).center());
    });
}

}  // namespace

class CheckPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        ui::RememberedSettings().remove(QStringLiteral("check/hiddenKinds"));
    }

    void foldsConsequencesAndShowsTheRecord() {
        EditorSession s(SoundRules());
        QVERIFY(s.started);
        auto* pages = s.Find<QTabWidget>("PageControl");
        const int checkTab = pages->indexOf(s.Find<QWidget>("Check"));
        QCOMPARE(pages->tabText(checkTab), QString("Check"));
        // A clean file says so in the list, where nothing can be chosen.
        auto* list = s.Find<QTreeWidget>("ProblemList");
        QCOMPARE(list->topLevelItemCount(), 1);
        QCOMPARE(list->topLevelItem(0)->text(0), QString("No problems found."));
        QCOMPARE(list->topLevelItem(0)->flags(), Qt::NoItemFlags);
        {
            ui::EditorWindows unloaded;  // the start-up has not read a file
            unloaded.main.BuildPages();
            auto* none = unloaded.main.findChild<QTreeWidget*>("ProblemList");
            QCOMPARE(none->topLevelItemCount(), 1);
            QVERIFY(none->topLevelItem(0)->text(0).startsWith("No rules file was loaded"));
        }

        // Glass Lancing (2) comes to need Mist Charting, which needs it; the
        // Fog Skiff waits on the circle and is no problem of its own.
        s.ClickTab("Advances");
        s.ClickItem("OutAdvances", 2);
        auto* preBox2 = s.Find<QComboBox>("PreBox2");
        s.PickInCombo(preBox2, preBox2->findText("Mist Charting"));
        QCOMPARE(pages->tabText(checkTab), QString("Check (1)"));

        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {},
                          pages->tabBar()->tabRect(checkTab).center());
        auto* problems = s.Find<QTreeWidget>("ProblemList");
        QCOMPARE(problems->topLevelItemCount(), 1);
        QTreeWidgetItem* circle = problems->topLevelItem(0);
        QVERIFY(circle->text(0).contains("Gls -> Mch -> Gls"));
        QVERIFY(circle->text(0).endsWith(" ... and 1 more waits on it"));
        QVERIFY(!circle->isExpanded());
        QCOMPARE(circle->childCount(), 1);
        QVERIFY(circle->child(0)->text(0).contains("\"Fog Skiff\" can never be built"));

        // A double-click shows the advance, selected in its list.
        DoubleClick(problems, circle);
        QCOMPARE(pages->currentWidget()->objectName(), QString("TabSheet1"));
        QCOMPARE(s.Find<ui::OutlineList>("OutAdvances")->SelectedItem(), 2);
        QCOMPARE(s.Find<ui::RecordPage>("TabSheet1")->CurrentIndex(), 2);

        // Enter on the folded consequence shows the unit.
        pages->setCurrentIndex(checkTab);
        problems->setFocus();
        problems->setCurrentItem(circle->child(0));
        QTest::keyClick(problems, Qt::Key_Return);
        QCOMPARE(pages->currentWidget()->objectName(), QString("Units"));
        QCOMPARE(s.Find<ui::OutlineList>("OutUnit")->SelectedItem(), 2);
        QCOMPARE(s.Find<QLineEdit>("AttackStength")->text(), QString("2"));

        // A value the forms cannot give (one read from a file) is checked
        // as soon as it is stored.
        s.windows.main.Editor().SetField(rules::UnitFieldRef(2, rules::UnitField::Attack), "7x");
        QCOMPARE(pages->tabText(checkTab), QString("Check (2)"));
    }

    void hidesKindsAndAppliesFixesThatUndo() {
        EditorSession s(SoundRules());
        QVERIFY(s.started);
        auto* pages = s.Find<QTabWidget>("PageControl");
        const int checkTab = pages->indexOf(s.Find<QWidget>("Check"));
        s.ClickTab("Advances");
        s.ClickItem("OutAdvances", 2);
        auto* preBox2 = s.Find<QComboBox>("PreBox2");
        s.PickInCombo(preBox2, preBox2->findText("Mist Charting"));
        s.ClickTab("Units");
        s.windows.main.Editor().SetField(rules::UnitFieldRef(1, rules::UnitField::Attack), "7x");
        QCOMPARE(pages->tabText(checkTab), QString("Check (2)"));
        s.ClickTab("Check (2)");
        auto* problems = s.Find<QTreeWidget>("ProblemList");
        auto* hiddenLabel = s.Find<QLabel>("HiddenLabel");
        QVERIFY(!hiddenLabel->isVisibleTo(s.Find<QWidget>("Check")));

        // The warning's kind is hidden, and remembered.
        ChooseInMenu(problems, problems->topLevelItem(1), "Hide warnings of this kind");
        QCOMPARE(pages->tabText(checkTab), QString("Check (1)"));
        QCOMPARE(hiddenLabel->text(), QString("1 hidden"));
        QVERIFY(hiddenLabel->isVisibleTo(s.Find<QWidget>("Check")));
        QCOMPARE(ui::RememberedSettings().value("check/hiddenKinds").toStringList(),
                 QStringList{"not-a-number"});

        // The circle's fix opens it at Glass Lancing, shown afterwards; one
        // undo closes it again and shows the field it changed.
        ChooseInMenu(problems, problems->topLevelItem(0),
                     "Remove the prerequisite that closes the circle");
        QCOMPARE(pages->currentWidget()->objectName(), QString("TabSheet1"));
        QCOMPARE(s.Find<ui::RecordPage>("TabSheet1")->CurrentIndex(), 2);
        QCOMPARE(preBox2->currentText(), QString("nil"));
        QCOMPARE(pages->tabText(checkTab), QString("Check"));
        auto& editor = s.windows.main.Editor();
        QCOMPARE(editor.Stack()->undoText(), QString("Remove the prerequisite that closes the circle"));

        s.ClickTab("Units");
        editor.Stack()->undo();
        QCOMPARE(pages->currentWidget()->objectName(), QString("TabSheet1"));
        QCOMPARE(preBox2->currentText(), QString("Mist Charting"));
        QCOMPARE(pages->tabText(checkTab), QString("Check (1)"));

        // Ctrl+. offers the fixes of the selected problem too.
        pages->setCurrentIndex(checkTab);
        QApplication::setActiveWindow(&s.windows.main);
        problems->setFocus();
        problems->setCurrentItem(problems->topLevelItem(0));
        ChooseInMenu("Remove the prerequisite that closes the circle", [&] {
            QTest::keyClick(problems, Qt::Key_Period, Qt::ControlModifier);
        });
        QCOMPARE(preBox2->currentText(), QString("nil"));
        editor.Stack()->undo();

        // Shown again, and forgotten.
        pages->setCurrentIndex(checkTab);
        QTest::mouseClick(s.Find<QPushButton>("ShowHiddenButton"), Qt::LeftButton);
        QCOMPARE(pages->tabText(checkTab), QString("Check (2)"));
        QVERIFY(!ui::RememberedSettings().contains("check/hiddenKinds"));
    }
};

QTEST_MAIN(CheckPageTest)
#include "check_page_test.moc"
