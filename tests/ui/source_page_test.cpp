// The Source page shows the file as a save would write it, marks problems,
// records and unsaved edits on their lines, follows edits at once, and is
// worked by the keyboard: find, go to line, Enter on a record's line.
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QFontDatabase>
#include <QPainter>
#include <QtTest>

#include "editor_session.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/main_form.h"
#include "ui/pages/record_page.h"
#include "ui/source/source_page.h"
#include "ui/source/source_text_painter.h"
#include "ui/source/source_view.h"
#include "ui/widgets/outline_list.h"

using namespace testing_support;

namespace {

constexpr int kProblemLine = 13;  // Fog Skiff, whose prerequisite is unknown
constexpr int kLongLine = 17;

QByteArray Rules() {
    QByteArray out = "; invented rules for the source page\r\n@COSMIC\r\n";
    for (int k = 1; k <= 3; ++k) out += "4,  ;constant\r\n";
    out += ";\r\n@CIVILIZE\r\n"                                      // lines 5, 6
           "Tidecraft, 8, 1, nil, nil, 0, 3 ; Tdc\r\n"                // 7
           "Glass Lancing, 5, 0, Tdc, nil, 0, 0 ; Gls\r\n"            // 8
           ";\r\n@UNITS\r\n"                                          // 9, 10
           "Mossrider,nil,0,1.,0,1a,1d,1h,1f,1,0,5,nil,000000000000000\r\n"   // 11
           "Ember Skiff,nil,2,3.,0,2a,1d,1h,1f,4,2,4,Gls,000000000000000\r\n"  // 12
           "Fog Skiff,nil,2,3.,0,2a,1d,1h,1f,4,2,4,Zzq,000000000000000\r\n"    // 13
           ";\r\n@HARBORS\r\n"                                        // 14, 15
           "Caf\xE9 Quay,\t3, ember\r\n";                              // 16
    out += QByteArray(100000, 'x') + "EMBER\r\n";                     // 17
    out += ";\r\n";
    return out;
}

// The point in the view's viewport at the middle of a line in view.
QPoint PointOf(ui::SourceView* view, int line) {
    const int height = view->fontMetrics().height() + 1;
    return {view->viewport()->width() / 2, (line - view->FirstVisibleLine()) * height + height / 2};
}

// Whether the row of the line, as painted, holds the colour (the problem's
// wavy line and icon).
bool RowHolds(ui::SourceView* view, int line, const QColor& colour) {
    const QImage image = view->viewport()->grab().toImage();
    const int height = view->fontMetrics().height() + 1;
    const int top = (line - view->FirstVisibleLine()) * height;
    for (int y = top; y < top + height; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

}  // namespace

class SourcePageTest : public QObject {
    Q_OBJECT
private slots:
    void marksProblemsAndFollowsEditsAndGoesToRecords() {
        EditorSession s(Rules());
        QVERIFY(s.started);
        auto* page = s.Find<ui::SourcePage>("SourcePage");
        QVERIFY(!page->Built());  // nothing of it is made before it is shown
        auto* pages = s.Find<QTabWidget>("PageControl");
        QCOMPARE(pages->indexOf(page), pages->indexOf(s.Find<QWidget>("Table")) + 1);

        // "Show in Source" on the Check page brings the problem's line into view.
        s.ClickTab(pages->tabText(pages->indexOf(s.Find<QWidget>("Check"))));
        auto* problems = s.Find<QTreeWidget>("ProblemList");
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            menu->actions().first()->trigger();
            menu->close();
        });
        problems->setCurrentItem(problems->topLevelItem(0));
        emit problems->customContextMenuRequested(
            problems->visualItemRect(problems->topLevelItem(0)).center());
        QCOMPARE(pages->currentWidget(), page);
        auto* view = s.Find<ui::SourceView>("SourceView");
        QCOMPARE(view->CurrentLine(), kProblemLine);
        QTest::qWait(50);

        // Its tool tip gives the message; the line is painted with its mark.
        QHelpEvent help(QEvent::ToolTip, PointOf(view, kProblemLine),
                        view->viewport()->mapToGlobal(PointOf(view, kProblemLine)));
        QApplication::sendEvent(view->viewport(), &help);
        QVERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains("its prerequisite &quot;Zzq&quot; is neither"));
        QVERIFY(QToolTip::text().contains("Unit &quot;Fog Skiff&quot;"));
        QVERIFY(RowHolds(view, kProblemLine, ui::source_colours::kError));
        QVERIFY(!RowHolds(view, kProblemLine - 1, ui::source_colours::kError));
        QCOMPARE(view->LineText(16), QString("Caf\u00e9 Quay,\t3, ember"));

        // An edit shows at once, marked until saved; the view is what the save writes.
        auto& editor = s.windows.main.Editor();
        editor.SetField(rules::UnitFieldRef(2, rules::UnitField::Attack), "7");
        QVERIFY(view->LineText(12).contains(",7a,"));
        QVERIFY(page->Lines().Unsaved(12));
        QVERIFY(view->LineToolTip(12).contains("Not saved yet"));
        QVERIFY(RowHolds(view, 12, ui::source_colours::kUnsaved));
        QByteArray shown;
        for (int line = 0; line < page->Lines().LineCount(); ++line)
            shown += QByteArray(page->Lines().Line(line).data(),
                                static_cast<int>(page->Lines().Line(line).size())) + "\r\n";
        QCOMPARE(s.Save(), shown);
        QVERIFY(!page->Lines().Unsaved(12));
        QVERIFY(!RowHolds(view, 12, ui::source_colours::kUnsaved));

        // Undo while the page is in front shows the record's line here.
        view->SetCurrentLine(0);
        editor.Undo();
        QCOMPARE(pages->currentWidget(), page);
        QCOMPARE(view->CurrentLine(), 12);
        QVERIFY(view->LineText(12).contains(",2a,"));

        // A double-click on a record's line shows the record on its page.
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, PointOf(view, 12));
        QCOMPARE(pages->currentWidget()->objectName(), QString("Units"));
        QCOMPARE(s.Find<ui::OutlineList>("OutUnit")->SelectedItem(), 2);
    }

    // The text must stand on the grid the matches are painted on, however
    // far along the line and whatever letters come before.
    void matchesCoverTheirTextFarAlongALine() {
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPixelSize(12);
        QImage image(1200, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        const rules::TextFinder finder("ennemi");
        const std::string line = "; \xC9p\xE9" "e l\xE9g\xE8re \xE0 \xE9t\xE9" + std::string(100, ' ') + "ennemi";
        ui::SourceTextPainter(painter, QFontMetrics(font), 0, 0, 150, &finder).PaintLine(0, 20, line, {});
        painter.end();
        int matchLeft = -1, matchRight = -1, inkRight = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c == ui::source_colours::kMatch) {
                    if (matchLeft < 0) matchLeft = x;
                    matchRight = x;
                } else if (c != Qt::white && x > 200) {
                    inkRight = x;
                }
            }
        QVERIFY(matchLeft > 200);
        QVERIFY2(inkRight <= matchRight + 1, qPrintable(QStringLiteral("text ends at %1, its match at %2")
                                                            .arg(inkRight).arg(matchRight)));
    }

    void findsGoesToLinesAndShowsRecordsByKeyboard() {
        EditorSession s(Rules());
        QVERIFY(s.started);
        s.ClickTab("Source");
        auto* page = s.Find<ui::SourcePage>("SourcePage");
        auto* view = s.Find<ui::SourceView>("SourceView");
        auto* find = s.Find<QLineEdit>("SourceFind");
        QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(find->hasFocus());
        QTest::keyClicks(find, "EmBeR");  // Ember Skiff, the quay's line, the long line
        QCOMPARE(s.Find<QLabel>("SourceMatches")->text(), QString("3 matches"));
        QCOMPARE(view->Match(), (rules::TextPlace{12, 0}));
        QTest::keyClick(find, Qt::Key_Return);
        QCOMPARE(view->Match(), (rules::TextPlace{16, 14}));
        QTest::keyClick(find, Qt::Key_Return);
        // The match at the end of a line of 100,000 characters is in view.
        QCOMPARE(view->Match(), (rules::TextPlace{kLongLine, 100000}));
        QVERIFY(view->FirstVisibleColumn() > 99000);
        QTest::keyClick(find, Qt::Key_Return);  // round the end
        QCOMPARE(view->Match().line, 12);
        QTest::keyClick(find, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(view->Match().line, kLongLine);
        QTest::keyClick(find, Qt::Key_Escape);
        QVERIFY(find->text().isEmpty());
        QVERIFY(view->hasFocus());

        // Ctrl+L, a number, Enter: that line; the keys move on from there.
        auto* goTo = s.Find<QLineEdit>("SourceGoToLine");
        QTest::keyClick(view, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(goTo->hasFocus());
        QTest::keyClicks(goTo, "7");
        QTest::keyClick(goTo, Qt::Key_Return);
        QCOMPARE(view->CurrentLine(), 6);
        QVERIFY(view->hasFocus());
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(view->CurrentLine(), 8);
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(view->CurrentLine(), page->Lines().LineCount() - 1);
        QVERIFY(view->verticalScrollBar()->value() > 0 || view->VisibleLineCount() > 20);

        // Enter on an advance's line shows it on the Advances page.
        page->GoToLine(9);
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(s.Find<QTabWidget>("PageControl")->currentWidget()->objectName(), QString("TabSheet1"));
        QCOMPARE(s.Find<ui::RecordPage>("TabSheet1")->CurrentIndex(), 2);
    }
};

QTEST_MAIN(SourcePageTest)
#include "source_page_test.moc"
