// The Tree page: the advance on show highlighted with what it needs and what
// it opens, a click on a node choosing the advance, and edits showing when
// the page is entered again.
#include <QComboBox>
#include <QTabWidget>
#include <QtTest>

#include "editor_session.h"
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
        editor.windows.main.Document().Advances().At(1).name = "Clay Firing";
        editor.ClickTab("Tree");
        QCOMPARE(editor.Tree()->Tree().Edges().size(), size_t(4));
        QCOMPARE(editor.Marks(), (QList<TreeMark>{TreeMark::Ancestor, TreeMark::Ancestor, TreeMark::Ancestor,
                                                  TreeMark::Ancestor, TreeMark::OnShow}));
        QVERIFY(editor.Tree()->NodeItem(1)->toolTip().contains("Clay Firing"));
        QCOMPARE(editor.Tree()->View()->transform(), fitted);
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
