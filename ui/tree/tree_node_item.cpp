#include "ui/tree/tree_node_item.h"

#include <QCursor>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <utility>

#include "rules/tree/tech_tree_dot.h"

namespace ui {

namespace {

// Graphviz sized the boxes for this face at these point sizes, a line
// taking about 1.2 times its size; one scene unit is one point.
constexpr double kNameSize = 10;
constexpr double kUnitSize = 8;
constexpr double kLineSpacing = 1.2;
// Below this many pixels a line of text is no longer read.
constexpr double kLegiblePixels = 5;

QFont NodeFont(double size) {
    QFont font(QString::fromLatin1(rules::kTreeFont));
    font.setPixelSize(std::max(1, static_cast<int>(size)));
    return font;
}

}  // namespace

TreeNodeItem::TreeNodeItem(int node, const QRectF& box, QStringList nameLines, QStringList unitLines, Look look)
    : node_(node),
      box_(box),
      nameLines_(std::move(nameLines)),
      unitLines_(std::move(unitLines)),
      look_(std::move(look)) {
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

void TreeNodeItem::SetFound(bool found, bool dimmed) {
    setOpacity(dimmed ? 0.25 : 1.0);
    if (found == found_) return;
    found_ = found;
    update();
}

QRectF TreeNodeItem::boundingRect() const { return box_.adjusted(-3, -3, 3, 3); }

void TreeNodeItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    painter->setRenderHint(QPainter::Antialiasing);
    QPen frame(QColor(look_.fault ? rules::TreeColours::Fault() : rules::TreeColours::NodeBorder()));
    frame.setWidthF(look_.fault || mark_ == TreeMark::OnShow ? 2.0 : 1.0);
    if (look_.dashed) frame.setStyle(Qt::DashLine);
    if (found_) {
        frame = QPen(QColor(0x1f, 0x5f, 0xbf), 3.5);
    }
    painter->setPen(frame);
    painter->setBrush(mark_ == TreeMark::None ? look_.fill : MarkColour(mark_));
    painter->drawRoundedRect(box_, 4, 4);

    const QRectF inner = box_.adjusted(2, 1, -2, -1);
    const double pixelsPerPoint = QStyleOptionGraphicsItem::levelOfDetailFromTransform(painter->worldTransform());
    painter->setPen(Qt::black);
    // Units too small to be read are only grey noise around the names.
    const bool unitsLegible = kUnitSize * pixelsPerPoint >= kLegiblePixels;
    const QStringList& units = unitsLegible ? unitLines_ : QStringList();
    const double height = kLineSpacing * (kNameSize * nameLines_.size() + kUnitSize * units.size());
    double top = inner.center().y() - height / 2;
    DrawLines(painter, inner, nameLines_, kNameSize, kNameSize * kLineSpacing, top);
    painter->setPen(QColor(0x33, 0x33, 0x33));
    DrawLines(painter, inner, units, kUnitSize, kUnitSize * kLineSpacing, top);
}

void TreeNodeItem::DrawLines(QPainter* painter, const QRectF& inner, const QStringList& lines, double size,
                             double lineHeight, double& top) const {
    painter->setFont(NodeFont(size));
    const QFontMetricsF metrics(painter->font());
    for (const QString& line : lines) {
        const QRectF row(inner.left(), top, inner.width(), lineHeight);
        painter->drawText(row, Qt::AlignCenter, metrics.elidedText(line, Qt::ElideRight, inner.width()));
        top += lineHeight;
    }
}

}  // namespace ui
