#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "rules/document/record_fields.h"

#include "rules/tree/tech_tree.h"

class QGraphicsItem;
class QGraphicsPathItem;
class QGraphicsPolygonItem;
class QGraphicsScene;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rules {
class RulesDocument;
struct TreeLayout;
}  // namespace rules

namespace ui {

class DocumentEditor;
class TreeNodeItem;
class TreeView;

// The whole tree of advances, laid out by Graphviz: the advance on show with
// everything it needs in one colour and everything it opens in another; a
// click on an advance chooses it; the tree can be fitted again and exported.
// A search field marks the advances whose name or abbreviation holds a text
// and fades the rest; a toggle shows only the advance on show with what it
// needs and what it opens. Links drawn from one advance onto another, and
// links removed, change the prerequisites through the document's editor,
// one undoable step each; the tree follows every change while it is shown.
class TreePage : public QWidget {
    Q_OBJECT
public:
    explicit TreePage(const rules::RulesDocument& document, QWidget* parent = nullptr);
    ~TreePage() override;

    // Drawing and removing links needs the editor; the tree then also
    // follows its changes.
    void SetEditor(DocumentEditor* editor);

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

    // Marks the advances matching `text` (as typed in the search field) and
    // fades the others; an empty text ends the search.
    void Search(const QString& text);
    // The advances the search found (node indexes, table order).
    const std::vector<int>& Found() const { return found_; }
    // Centres the next (or previous) advance found and puts it on show.
    void ShowNextFound(bool backwards);

    // Shows only the advance on show, what it needs and what it opens.
    void SetFocused(bool focused);
    bool Focused() const { return focused_; }

    // Makes advance `from` a prerequisite of advance `to`, in the first slot
    // of `to` that holds "nil" or "no", else in `slot` (1 or 2) when given,
    // else in the slot the user picks from a menu at `menuAt`. Returns the
    // slot written; 0 when nothing changed (already a prerequisite, no
    // editor, a menu dismissed, an abbreviation that cannot be named).
    int DrawLink(int from, int to, std::optional<int> slot = std::nullopt, QPoint menuAt = QPoint());
    // Sets the prerequisite slot that link `edge` comes from to "nil".
    void RemoveLink(int edge);

signals:
    // The user clicked advance `number` in the tree.
    void AdvanceChosen(int number);
    // The user asked to see advance `number` on the Advances page.
    void ShowOnAdvancesPage(int number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DressOnFirstEntry();
    struct EdgeItems {
        QGraphicsPathItem* path = nullptr;
        QGraphicsPolygonItem* arrow = nullptr;
    };

    void Redraw(const rules::TreeLayout& layout);
    // Reads the tables again and lays the tree out anew when what is to be
    // drawn changed; fitted when `fit`, else the view keeps its zoom and
    // advance `anchorNumber` (or the one nearest the centre) its place.
    void Refresh(bool fit, int anchorNumber = 0);
    void ApplyMarks();
    void ApplySearch();
    void ShowMessage(const QString& text);
    void NodeClicked(QGraphicsItem* item);
    void MenuWanted(QGraphicsItem* item, const QPoint& globalPos);
    void TablesChanged(rules::SectionId section, const QList<int>& records);

    const rules::RulesDocument& document_;
    DocumentEditor* editor_ = nullptr;
    QLineEdit* search_ = nullptr;
    QLabel* matches_ = nullptr;
    QCheckBox* focus_ = nullptr;
    std::vector<int> found_;
    int foundAt_ = -1;  // the position in found_ last shown
    bool focused_ = false;
    int focusedOn_ = 0;  // the advance the drawn focus is on
    rules::TechTree tree_;
    std::string drawnDot_;  // what was last laid out
    QGraphicsScene* scene_ = nullptr;
    TreeView* view_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    std::vector<TreeNodeItem*> nodeItems_;  // by node index
    std::vector<EdgeItems> edgeItems_;      // by edge index
    int highlighted_ = 0;
    QLabel* legend_ = nullptr;
    bool fitted_ = false;  // a tree with advances was drawn and fitted
};

}  // namespace ui
