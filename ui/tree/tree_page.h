#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "rules/tree/tech_tree.h"

class QGraphicsItem;
class QGraphicsPathItem;
class QGraphicsPolygonItem;
class QGraphicsScene;
class QLabel;
class QPushButton;

namespace rules {
class RulesDocument;
struct TreeLayout;
}  // namespace rules

namespace ui {

class TreeNodeItem;
class TreeView;

// The whole tree of advances, laid out by Graphviz: the advance on show with
// everything it needs in one colour and everything it opens in another; a
// click on an advance chooses it; the tree can be fitted again and exported.
class TreePage : public QWidget {
    Q_OBJECT
public:
    explicit TreePage(const rules::RulesDocument& document, QWidget* parent = nullptr);
    ~TreePage() override;

    // The page came to the front, or the file was read while it was in
    // front: draws the tree anew when the tables changed
    // since it was last drawn (a prerequisite, an epoch, a name, ...), and
    // highlights advance `advanceOnShow` (0 for none).
    void Enter(int advanceOnShow);
    // Highlights advance `number`, its ancestors and its descendants.
    void Highlight(int number);
    int HighlightedAdvance() const { return highlighted_; }

    const rules::TechTree& Tree() const { return tree_; }
    TreeView* View() const { return view_; }
    // The drawn node of advance `number`; null when there is none.
    TreeNodeItem* NodeItem(int number) const;

    // Asks for a file name and writes the tree as SVG, PNG or DOT.
    void ExportClick();

signals:
    // The user clicked advance `number` in the tree.
    void AdvanceChosen(int number);

private:
    struct EdgeItems {
        QGraphicsPathItem* path = nullptr;
        QGraphicsPolygonItem* arrow = nullptr;
    };

    void Redraw(const rules::TreeLayout& layout);
    void ShowMessage(const QString& text);
    void NodeClicked(QGraphicsItem* item);

    const rules::RulesDocument& document_;
    rules::TechTree tree_;
    std::string drawnDot_;  // what was last laid out
    QGraphicsScene* scene_ = nullptr;
    TreeView* view_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    std::vector<TreeNodeItem*> nodeItems_;  // by node index
    std::vector<EdgeItems> edgeItems_;      // by edge index
    int highlighted_ = 0;
    bool fitted_ = false;  // a tree with advances was drawn and fitted
};

}  // namespace ui
