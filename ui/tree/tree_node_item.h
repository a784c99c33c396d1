#pragma once

#include <QColor>
#include <QGraphicsItem>
#include <QStringList>

namespace ui {

// How a node stands to the advance on show.
enum class TreeMark { None, OnShow, Ancestor, Descendant };

// One advance of the drawn tree: a rounded box in its epoch's colour with
// its name and, smaller, the units it brings (+) and retires (-), one line
// each as the layout sized the box for; when drawn too small for the units to
// be read, only the name. Faulty
// prerequisites give it a red frame, dashed where it can never be invented
// or names an advance that does not exist.
class TreeNodeItem : public QGraphicsItem {
public:
    struct Look {
        QColor fill;
        bool fault = false;
        bool dashed = false;
    };

    TreeNodeItem(int node, const QRectF& box, QStringList nameLines, QStringList unitLines, Look look);

    int Node() const { return node_; }
    TreeMark Mark() const { return mark_; }
    void SetMark(TreeMark mark);
    // A search is under way: the advance matches it (a strong frame) or not
    // (`dimmed`, faded into the background).
    void SetFound(bool found, bool dimmed);
    bool Found() const { return found_; }

    static QColor MarkColour(TreeMark mark);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    int node_;
    QRectF box_;
    void DrawLines(QPainter* painter, const QRectF& inner, const QStringList& lines, double size, double lineHeight,
                   double& top) const;

    QStringList nameLines_;
    QStringList unitLines_;
    Look look_;
    TreeMark mark_ = TreeMark::None;
    bool found_ = false;
};

}  // namespace ui
