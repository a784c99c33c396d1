#include "ui/tree_node_item.h"

#include <QCursor>
#include <QFontMetricsF>
#include <QPainter>
#include <utility>

namespace ui {

namespace {

// Graphviz sized the boxes for this face at these point sizes; one scene
// unit is one point.
QFont NodeFont(double size) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(static_cast<int>(size));
    return font;
}

}  // namespace

TreeNodeItem::TreeNodeItem(int node, const QRectF& box, QString name, QString units, Look look)
    : node_(node), box_(box), name_(std::move(name)), units_(std::move(units)), look_(std::move(look)) {
    setAcceptHoverEvents(true);
    setCursor(QCursor(Qt::PointingHandCursor));
    setZValue(2);
}

QColor TreeNodeItem::MarkColour(TreeMark mark) {
    switch (mark) {
        case TreeMark::OnShow: return QColor(0xf3, 0x9c, 0x12);
        case TreeMark::Ancestor: return QColor(0x7f, 0xb2, 0xe5);
        case TreeMark::Descendant: return QColor(0x8f, 0xd1, 0x9e);
        case TreeMark::None: break;
    }
    return QColor();
}

void TreeNodeItem::SetMark(TreeMark mark) {
    if (mark == mark_) return;
    mark_ = mark;
    update();
}

QRectF TreeNodeItem::boundingRect() const { return box_.adjusted(-2, -2, 2, 2); }

void TreeNodeItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    QPen frame(look_.fault ? QColor(0xc0, 0x39, 0x2b) : QColor(0x5a, 0x5a, 0x5a));
    frame.setWidthF(look_.fault || mark_ == TreeMark::OnShow ? 2.0 : 1.0);
    if (look_.dashed) frame.setStyle(Qt::DashLine);
    painter->setPen(frame);
    painter->setBrush(mark_ == TreeMark::None ? look_.fill : MarkColour(mark_));
    painter->drawRoundedRect(box_, 4, 4);

    painter->setPen(Qt::black);
    const QRectF inner = box_.adjusted(3, 1, -3, -1);
    if (units_.isEmpty()) {
        painter->setFont(NodeFont(10));
        painter->drawText(inner, Qt::AlignCenter, QFontMetricsF(painter->font()).elidedText(name_, Qt::ElideRight, inner.width()));
        return;
    }
    const QRectF top(inner.left(), inner.top(), inner.width(), inner.height() * 0.55);
    const QRectF bottom(inner.left(), top.bottom(), inner.width(), inner.height() - top.height());
    painter->setFont(NodeFont(10));
    painter->drawText(top, Qt::AlignHCenter | Qt::AlignBottom,
                      QFontMetricsF(painter->font()).elidedText(name_, Qt::ElideRight, inner.width()));
    painter->setFont(NodeFont(8));
    painter->setPen(QColor(0x33, 0x33, 0x33));
    painter->drawText(bottom, Qt::AlignHCenter | Qt::AlignTop,
                      QFontMetricsF(painter->font()).elidedText(units_, Qt::ElideRight, inner.width()));
}

}  // namespace ui
