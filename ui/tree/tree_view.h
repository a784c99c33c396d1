#pragma once

#include <QGraphicsView>
#include <QPoint>

namespace ui {

// A view of a large picture: fitted at first, the mouse wheel zooms about the
// pointer, dragging pans, and a click (a press and release without moving)
// reports the item under the pointer.
class TreeView : public QGraphicsView {
    Q_OBJECT
public:
    explicit TreeView(QWidget* parent = nullptr);

    // Shows the whole scene; done as soon as the view has its size.
    void FitAll();
    // Zooms by `factor` about the scene point under `viewPoint`, within limits.
    void ZoomBy(double factor, const QPoint& viewPoint);
    double Zoom() const { return transform().m11(); }

signals:
    void ItemClicked(QGraphicsItem* item);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double FitScale() const;

    bool fitPending_ = false;
    QPoint pressedAt_;
    bool pressed_ = false;
};

}  // namespace ui
