#pragma once

#include <QGraphicsView>
#include <QPoint>

class QGraphicsLineItem;

namespace ui {

class TreeNodeItem;

// A view of a large picture: fitted at first, the mouse wheel zooms about the
// pointer, dragging the background pans, dragging from one advance onto
// another reports a link drawn, a click (a press and release without moving)
// reports the item under the pointer, and a right-click the advance or link
// under it. Growing the view keeps the scene point at its centre.
class TreeView : public QGraphicsView {
    Q_OBJECT
public:
    explicit TreeView(QWidget* parent = nullptr);

    // Shows the whole scene; done as soon as the view has its size.
    void FitAll();
    // Zooms by `factor` about the scene point under `viewPoint`, within limits.
    void ZoomBy(double factor, const QPoint& viewPoint);
    double Zoom() const { return transform().m11(); }

    // The advance, or else the link (a path item carrying its edge index as
    // data kEdgeData), within a few pixels of `viewPoint`; null for none.
    QGraphicsItem* ItemNear(const QPoint& viewPoint) const;
    static constexpr int kEdgeData = 0;
    // Drops a link being drawn (before the scene is cleared, for one).
    void CancelLinkDrag();

signals:
    void ItemClicked(QGraphicsItem* item);
    // A drag from advance `from` ended on advance `to`, at `globalPos`.
    void LinkDrawn(ui::TreeNodeItem* from, ui::TreeNodeItem* to, const QPoint& globalPos);
    // A right-click on an advance or a link (null: neither).
    void MenuWanted(QGraphicsItem* item, const QPoint& globalPos);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    double FitScale() const;

    TreeNodeItem* linkFrom_ = nullptr;     // the advance a drag started on
    QGraphicsLineItem* linkLine_ = nullptr;  // the link being drawn

    bool fitPending_ = false;
    QPoint pressedAt_;
    bool pressed_ = false;
};

}  // namespace ui
