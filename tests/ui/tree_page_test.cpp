// The Tree page: the advance on show highlighted with what it needs and what
// it opens, a click on a node choosing the advance, and edits showing when
// the page is entered again.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QUndoStack>
#include <QtTest>

#include "editor_session.h"
#include "ui/edit/document_editor.h"
#include "ui/pages/advances_page.h"
#include "ui/tree/tree_node_item.h"
#include "ui/tree/tree_page.h"
#include "ui/tree/tree_view.h"

using namespace testing_support;
using ui::TreeMark;

namespace {

// Kiln Firing <- Ember Keeping <- Smelting <- Bell Casting, Tidecraft apart.
QByteArray Rules() {
    QByteArray out = "; invented rules for the tree\r\n@COSMIC\r\n";
    for (int k = 1; k <= 21; ++k) out += QByteArray::number(k) + "     ; constant\r\n";
    out += ";\r\n@CIVILIZE\r\n"
           "Kiln Firing, 8, 1, nil, nil, 0, 3 ; Kln\r\n"
           "Ember Keeping, 3, 0, Kln, nil, 0, 4 ; Emk\r\n"
           "Smelting, 5, -1, Emk, nil, 1, 0 ; Smt\r\n"
           "Bell Casting, 4, 0, Smt, no, 2, 1 ; Bel\r\n"
           "Tidecraft, 8, -1, nil, nil, 0, 1 ; Tdc\r\n"
           ";\r\n@UNITS\r\n"
           "Raft,nil,2,1.,0,0a,1d,1h,1f,1,0,0,Tdc,000000000000000\r\n;\r\n";
    return out;
}

struct Editor : EditorSession {
    Editor() : EditorSession(Rules()) {}
    ui::TreePage* Tree() { return Find<ui::TreePage>("Tree"); }
    QList<TreeMark> Marks() {
        QList<TreeMark> marks;
        for (int number = 1; number <= 5; ++number) marks << Tree()->NodeItem(number)->Mark();
        return marks;
    }
    void ClickNode(int number) {
        ui::TreeView* view = Tree()->View();
        const QPointF centre = Tree()->NodeItem(number)->boundingRect().center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->mapFromScene(centre));
    }
};

}  // namespace

class TreePageTest : public QObject {
    Q_OBJECT
private slots:
    void highlightsTheAdvanceOnShowAndAClickChoosesAnother() {
        Editor editor;
        QVERIFY(editor.started);
        editor.ClickTab("Advances");
        editor.ClickItem("OutAdvances", 3);
        editor.ClickTab("Tree");
        QCOMPARE(editor.Marks(), (QList<TreeMark>{TreeMark::Ancestor, TreeMark::Ancestor, TreeMark::OnShow,
                                                  TreeMark::Descendant, TreeMark::None}));
        QVERIFY(editor.Tree()->NodeItem(3)->toolTip().contains("Needs: Ember Keeping"));

        // Fitted at first: the whole tree is in view.
        ui::TreeView* view = editor.Tree()->View();
        QVERIFY(view->viewport()->rect().contains(view->mapFromScene(view->sceneRect()).boundingRect().adjusted(2, 2, -2, -2)));

        editor.ClickNode(2);
        QCOMPARE(editor.Marks(), (QList<TreeMark>{TreeMark::Ancestor, TreeMark::OnShow, TreeMark::Descendant,
                                                  TreeMark::Descendant, TreeMark::None}));
        // Leaving and coming back keeps the choice until the Advances page shows it.
        editor.ClickTab("About");
        editor.ClickTab("Tree");
        QCOMPARE(editor.Tree()->HighlightedAdvance(), 2);
        editor.ClickTab("Advances");
        QCOMPARE(editor.Find<ui::AdvancesPage>("TabSheet1")->CurrentIndex(), 2);
    }

    void followsEditsWhenEnteredAgain() {
        Editor editor;
        QVERIFY(editor.started);
        editor.ClickTab("Tree");
        const QTransform fitted = editor.Tree()->View()->transform();
        QCOMPARE(editor.Tree()->Tree().Edges().size(), size_t(3));

        // Tidecraft now needs Bell Casting, and Kiln Firing gets a new name.
        editor.ClickTab("Advances");
        editor.ClickItem("OutAdvances", 5);
        editor.PickInCombo(editor.Find<QComboBox>("PreBox1"), 4);
        editor.windows.main.Editor().SetField(rules::AdvanceFieldRef(1, rules::AdvanceField::Name), "Clay Firing");
        editor.ClickTab("Tree");
        QCOMPARE(editor.Tree()->Tree().Edges().size(), size_t(4));
        QCOMPARE(editor.Marks(), (QList<TreeMark>{TreeMark::Ancestor, TreeMark::Ancestor, TreeMark::Ancestor,
                                                  TreeMark::Ancestor, TreeMark::OnShow}));
        QVERIFY(editor.Tree()->NodeItem(1)->toolTip().contains("Clay Firing"));
        QCOMPARE(editor.Tree()->View()->transform(), fitted);
    }

    void aDrawnLinkTakesAFreeSlotAsOneUndoableStepAndRedrawsAtOnce() {
        Editor editor;
        QVERIFY(editor.started);
        editor.ClickTab("Tree");
        ui::TreePage* tree = editor.Tree();
        ui::TreeView* view = tree->View();
        view->ZoomBy(3.0, view->mapFromScene(tree->NodeItem(4)->sceneBoundingRect().center()));
        const QTransform zoomed = view->transform();
        QUndoStack* stack = editor.windows.main.Editor().Stack();
        const rules::AdvanceTable& advances = editor.windows.main.Document().Advances();

        const QPoint bellAt = view->mapFromScene(tree->NodeItem(4)->sceneBoundingRect().center());
        // Bell Casting needs "Smt, no": "no" is a free slot.
        QCOMPARE(tree->DrawLink(5, 4), 2);
        // Laid out anew, the advance edited stays where it was on the screen
        // (across: up and down, this small tree's new height may not let it).
        const QPoint bellNow = view->mapFromScene(tree->NodeItem(4)->sceneBoundingRect().center());
        QVERIFY(std::abs(bellNow.x() - bellAt.x()) <= 2);
        QCOMPARE(advances.At(4).prereq2, std::string("Tdc"));
        QCOMPARE(stack->count(), 1);
        QCOMPARE(tree->Tree().Edges().size(), size_t(4));  // drawn while shown, not on the next entry
        QVERIFY(tree->NodeItem(5) != nullptr);
        QCOMPARE(view->transform(), zoomed);
        // Already a prerequisite: nothing to do, no step.
        QCOMPARE(tree->DrawLink(5, 4), 0);
        // Both slots taken: the slot picked gives way.
        QCOMPARE(tree->DrawLink(1, 4, 1), 1);
        QCOMPARE(advances.At(4).prereq1, std::string("Kln"));
        QCOMPARE(stack->count(), 2);

        stack->undo();
        stack->undo();
        // Undone where the user is: the tree stays in front, the advance on show.
        QCOMPARE(editor.Find<QTabWidget>("PageControl")->currentWidget(), static_cast<QWidget*>(tree));
        QCOMPARE(tree->HighlightedAdvance(), 4);
        QCOMPARE(advances.At(4).prereq1, std::string("Smt"));
        QCOMPARE(advances.At(4).prereq2, std::string("no"));
        QCOMPARE(tree->Tree().Edges().size(), size_t(3));

        // Removing the link Ember Keeping -> Smelting empties Smelting's first slot.
        int edge = -1;
        for (std::size_t i = 0; i < tree->Tree().Edges().size(); ++i) {
            if (tree->Tree().Edges()[i].to == 2) edge = int(i);
        }
        tree->RemoveLink(edge);
        QCOMPARE(advances.At(3).prereq1, std::string("nil"));
        QCOMPARE(tree->Tree().Edges().size(), size_t(2));
        stack->undo();
        QCOMPARE(advances.At(3).prereq1, std::string("Emk"));

        // A link that closes a circle is drawn, and the check sees it at once.
        auto* pages = editor.Find<QTabWidget>("PageControl");
        const QString before = pages->tabText(pages->indexOf(editor.Find<QWidget>("Check")));
        QCOMPARE(tree->DrawLink(4, 1), 1);
        QVERIFY(tree->Tree().Nodes()[0].inCircle);
        QVERIFY(pages->tabText(pages->indexOf(editor.Find<QWidget>("Check"))) != before);
    }

    void searchMarksMatchesAndStepsThroughThemAndFocusShowsOnlyTheLineage() {
        Editor editor;
        QVERIFY(editor.started);
        editor.ClickTab("Tree");
        ui::TreePage* tree = editor.Tree();
        auto* field = editor.Find<QLineEdit>("TreeSearch");
        QTest::keyClick(tree, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(field->hasFocus());
        QTest::keyClicks(field, "ING");  // Kiln Firing, Ember Keeping, Smelting, Bell Casting
        QCOMPARE(tree->Found().size(), size_t(4));
        QCOMPARE(editor.Find<QLabel>("TreeMatches")->text(), QString("4 matches"));
        QVERIFY(tree->NodeItem(1)->Found());
        QVERIFY(!tree->NodeItem(5)->Found());
        QVERIFY(tree->NodeItem(5)->opacity() < 1.0);

        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(tree->HighlightedAdvance(), 1);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(tree->HighlightedAdvance(), 2);
        QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(tree->HighlightedAdvance(), 1);
        QTest::keyClick(field, Qt::Key_Escape);
        QVERIFY(field->text().isEmpty());
        QCOMPARE(tree->NodeItem(5)->opacity(), 1.0);

        // Focused on Ember Keeping: Tidecraft is not drawn; it follows the advance on show.
        tree->Highlight(2);
        editor.Find<QCheckBox>("TreeFocus")->click();
        QVERIFY(tree->NodeItem(5) == nullptr);
        QVERIFY(tree->NodeItem(4) != nullptr);
        tree->Highlight(5);
        QVERIFY(tree->NodeItem(5) != nullptr);
        QVERIFY(tree->NodeItem(1) == nullptr);
        editor.Find<QCheckBox>("TreeFocus")->click();
        QVERIFY(tree->NodeItem(1) != nullptr);
    }

    void listAndDrawingPagesUseTheRoomOfALargerWindow() {
        Editor editor;
        QVERIFY(editor.started);
        auto* pages = editor.Find<QTabWidget>("PageControl");
        const QRect placed(0, 0, 625, 545);
        QCOMPARE(pages->geometry(), placed);
        editor.ClickTab("Tree");
        QCOMPARE(pages->geometry(), placed);  // at the placed size nothing changes

        editor.windows.main.resize(1000, 800);
        // The designed client area lies below the menu bar and keeps its
        // 3-pixel margin under the page control.
        const int room = editor.Find<QWidget>("ClientArea")->height() - 3;
        QCOMPARE(pages->geometry(), QRect(0, 0, 1000, room));
        const QTransform zoom = editor.Tree()->View()->transform();
        QTest::qWait(1);
        QCOMPARE(editor.Tree()->View()->transform(), zoom);  // the zoom stays as the view grows
        editor.ClickTab("Advances");
        QCOMPARE(pages->geometry(), placed);
        pages->setCurrentWidget(editor.Find<QWidget>("Check"));  // its caption counts problems
        QCOMPARE(pages->geometry(), QRect(0, 0, 1000, room));
        auto* problems = editor.Find<QWidget>("ProblemList");
        QCOMPARE(problems->width(), 601 + 1000 - 625);  // the list takes the room
        editor.windows.main.resize(500, 400);  // smaller: never below the placed size
        QCOMPARE(pages->geometry(), placed);
        QCOMPARE(problems->geometry(), QRect(8, 32, 601, 457));
    }

    // The click that activates the window can bring the page to the front
    // before the file is read: the tree is drawn and fitted once it is.
    void inFrontBeforeTheFileIsRead() {
        ScratchFolder folder;
        folder.Write("rules.txt", Rules());
        folder.Write("YARV.INI", SettingsFor("ENGLISH"));
        ModalAnswerer answers;
        ui::EditorWindows windows;
        auto* page = windows.main.findChild<ui::TreePage*>("Tree");
        windows.main.findChild<QTabWidget*>("PageControl")->setCurrentWidget(page);
        QVERIFY(page->Tree().Nodes().empty());
        const QTransform unfitted = page->View()->transform();
        QVERIFY(StartEditor(windows, answers));
        QCOMPARE(page->Tree().Nodes().size(), size_t(5));
        QVERIFY(page->NodeItem(1));
        QVERIFY(page->View()->transform() != unfitted);
    }
};

QTEST_MAIN(TreePageTest)
#include "tree_page_test.moc"
