#include "ui/tree/tree_view.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {
constexpr double kMaxZoom = 6.0;
constexpr int kClickSlop = 4;  // pixels the pointer may move in a click
}  // namespace

TreeView::TreeView(QWidget* parent) : QGraphicsView(parent) {
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setViewportUpdateMode(QGraphicsView::SmartViewportUpdate);
}

double TreeView::FitScale() const {
    const QRectF scene = sceneRect();
    const QRect view = viewport()->rect().adjusted(4, 4, -4, -4);
    if (scene.isEmpty() || view.isEmpty()) return 1.0;
    return std::min(view.width() / scene.width(), view.height() / scene.height());
}

void TreeView::FitAll() {
    if (viewport()->width() < 16 || viewport()->height() < 16) {
        fitPending_ = true;
        return;
    }
    fitPending_ = false;
    const double scale = FitScale();
    setTransform(QTransform::fromScale(scale, scale));
    centerOn(sceneRect().center());
}

void TreeView::ZoomBy(double factor, const QPoint& viewPoint) {
    // Never smaller than half the fitted size, never more than a few times
    // the picture's own size.
    const double minimum = std::min(1.0, FitScale() * 0.5);
    const double target = std::clamp(Zoom() * factor, minimum, kMaxZoom);
    if (std::abs(target - Zoom()) < 1e-9) return;
    const QPointF anchor = mapToScene(viewPoint);
    const double step = target / Zoom();
    setTransformationAnchor(QGraphicsView::NoAnchor);
    scale(step, step);
    // Keep the scene point under the pointer where it was.
    const QPointF moved = mapToScene(viewPoint) - anchor;
    translate(moved.x(), moved.y());
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
}

void TreeView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    ZoomBy(std::pow(1.2, steps), event->position().toPoint());
    event->accept();
}

void TreeView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    pressedAt_ = event->position().toPoint();
    QGraphicsView::mousePressEvent(event);
}

void TreeView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       (at - pressedAt_).manhattanLength() <= kClickSlop;
    pressed_ = false;
    QGraphicsView::mouseReleaseEvent(event);
    if (click) {
        if (QGraphicsItem* item = itemAt(at)) emit ItemClicked(item);
    }
}

void TreeView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    if (fitPending_) FitAll();
}

}  // namespace ui
