// The Check page follows the user's edits and takes them to the record.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include "editor_session.h"
#include "ui/widgets/outline_list.h"
#include "ui/pages/record_page.h"

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
           "Mossrider,nil,0,1.,0,1a,1d,1h,1f,1,0,0,Tdc,000000000000000\r\n"
           "Fog Skiff,nil,2,3.,0,2a,1d,1h,1f,4,2,4,Mch,000000000000000\r\n"
           ";\r\n";
    return out;
}

}  // namespace

class CheckPageTest : public QObject {
    Q_OBJECT
private slots:
    void followsEditsAndShowsTheRecord() {
        EditorSession s(SoundRules());
        QVERIFY(s.started);
        auto* pages = s.Find<QTabWidget>("PageControl");
        const int checkTab = pages->indexOf(s.Find<QWidget>("Check"));
        QCOMPARE(pages->tabText(checkTab), QString("Check"));
        // A clean file says so in the list, where nothing can be chosen.
        auto* list = s.Find<QListWidget>("ProblemList");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QString("No problems found."));
        QCOMPARE(list->item(0)->flags(), Qt::NoItemFlags);
        {
            ui::EditorWindows unloaded;  // the start-up has not read a file
            auto* none = unloaded.main.findChild<QListWidget*>("ProblemList");
            QCOMPARE(none->count(), 1);
            QVERIFY(none->item(0)->text().startsWith("No rules file was loaded"));
        }

        // Glass Lancing (2) comes to need Mist Charting, which needs it.
        s.ClickTab("Advances");
        s.ClickItem("OutAdvances", 2);
        auto* preBox2 = s.Find<QComboBox>("PreBox2");
        s.PickInCombo(preBox2, preBox2->findText("Mist Charting"));
        QCOMPARE(pages->tabText(checkTab), QString("Check (2)"));

        QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {},
                          pages->tabBar()->tabRect(checkTab).center());
        auto* problems = s.Find<QListWidget>("ProblemList");
        QCOMPARE(problems->count(), 2);
        QVERIFY(problems->item(0)->text().contains("Gls -> Mch -> Gls"));
        QVERIFY(problems->item(1)->text().contains("\"Fog Skiff\" can never be built"));

        // A double-click shows the advance, selected in its list.
        s.DoubleClickItem("ProblemList", 1);
        QCOMPARE(pages->currentWidget()->objectName(), QString("TabSheet1"));
        QCOMPARE(s.Find<ui::OutlineList>("OutAdvances")->SelectedItem(), 2);
        QCOMPARE(s.Find<ui::RecordPage>("TabSheet1")->CurrentIndex(), 2);
        QCOMPARE(preBox2->currentText(), QString("Mist Charting"));

        // Enter does the same for the unit.
        pages->setCurrentIndex(checkTab);
        problems->setFocus();
        problems->setCurrentRow(1);
        QTest::keyClick(problems, Qt::Key_Return);
        QCOMPARE(pages->currentWidget()->objectName(), QString("Units"));
        QCOMPARE(s.Find<ui::OutlineList>("OutUnit")->SelectedItem(), 2);
        QCOMPARE(s.Find<QLineEdit>("AttackStength")->text(), QString("2"));

        // A typed value is checked as it is typed; the user's own page
        // switch still starts on the first record.
        s.TypeInto(s.Find<QLineEdit>("AttackStength"), "7x");
        QCOMPARE(pages->tabText(checkTab), QString("Check (3)"));
        s.ClickTab("About");
        s.ClickTab("Units");
        QCOMPARE(s.Find<ui::OutlineList>("OutUnit")->SelectedItem(), 1);

        // Undoing the fault clears the caption.
        s.ClickTab("Advances");
        s.ClickItem("OutAdvances", 2);
        s.PickInCombo(preBox2, 0);  // "nil"
        QCOMPARE(pages->tabText(checkTab), QString("Check (1)"));
    }
};

QTEST_MAIN(CheckPageTest)
#include "check_page_test.moc"
