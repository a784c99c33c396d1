#include "ui/tree/tree_view.h"

#include <QContextMenuEvent>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/tree/tree_node_item.h"

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
    // A window made larger shows more around the same centre, at the same zoom.
    setResizeAnchor(QGraphicsView::AnchorViewCenter);
}

QGraphicsItem* TreeView::ItemNear(const QPoint& viewPoint) const {
    constexpr int kReach = 4;
    const QList<QGraphicsItem*> near =
        items(QRect(viewPoint - QPoint(kReach, kReach), QSize(2 * kReach + 1, 2 * kReach + 1)));
    for (QGraphicsItem* item : near) {
        if (dynamic_cast<TreeNodeItem*>(item) && item->contains(mapToScene(viewPoint))) return item;
    }
    for (QGraphicsItem* item : near) {
        if (item->data(kEdgeData).isValid()) return item;
    }
    return nullptr;
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
    if (pressed_) {
        // Pressed on an advance: a drag draws a link rather than panning.
        if (auto* node = dynamic_cast<TreeNodeItem*>(itemAt(pressedAt_))) {
            linkFrom_ = node;
            event->accept();
            return;
        }
    }
    QGraphicsView::mousePressEvent(event);
}

void TreeView::mouseMoveEvent(QMouseEvent* event) {
    if (!linkFrom_) {
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (!linkLine_ && (at - pressedAt_).manhattanLength() <= kClickSlop) return;
    const QPointF start = linkFrom_->sceneBoundingRect().center();
    if (!linkLine_) {
        QPen pen(QColor(0x1f, 0x5f, 0xbf), 2.0, Qt::DashLine);
        pen.setCosmetic(true);
        linkLine_ = scene()->addLine(QLineF(start, start), pen);
        linkLine_->setZValue(5);
        setCursor(Qt::CrossCursor);
    }
    linkLine_->setLine(QLineF(start, mapToScene(at)));
    event->accept();
}

void TreeView::CancelLinkDrag() {
    if (linkLine_) {
        delete linkLine_;
        linkLine_ = nullptr;
        unsetCursor();
    }
    linkFrom_ = nullptr;
}

void TreeView::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const bool left = pressed_ && event->button() == Qt::LeftButton;
    const bool click = left && (at - pressedAt_).manhattanLength() <= kClickSlop;
    pressed_ = false;
    if (linkFrom_ && left) {
        TreeNodeItem* from = linkFrom_;
        const bool drawn = linkLine_ != nullptr;
        CancelLinkDrag();
        event->accept();
        if (click || !drawn) {
            emit ItemClicked(from);
        } else if (auto* to = dynamic_cast<TreeNodeItem*>(itemAt(at)); to && to != from) {
            emit LinkDrawn(from, to, event->globalPosition().toPoint());
        }
        return;
    }
    QGraphicsView::mouseReleaseEvent(event);
    if (click) {
        if (QGraphicsItem* item = itemAt(at)) emit ItemClicked(item);
    }
}

void TreeView::contextMenuEvent(QContextMenuEvent* event) {
    emit MenuWanted(ItemNear(event->pos()), event->globalPos());
    event->accept();
}

void TreeView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    if (fitPending_) FitAll();
}

}  // namespace ui
