#include "ui/app_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRect>

namespace ui {

void PaintAppIcon(QPainter& p, int size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // The page, with its top right corner folded down.
    QPainterPath page;
    page.moveTo(12, 4);
    page.lineTo(42, 4);
    page.lineTo(54, 16);
    page.lineTo(54, 60);
    page.lineTo(12, 60);
    page.closeSubpath();
    p.setPen(QPen(QColor(64, 128, 128), 2.5));
    p.setBrush(QColor(250, 246, 230));
    p.drawPath(page);
    p.setBrush(QColor(210, 225, 225));
    p.drawPolygon(QPolygonF({QPointF(42, 4), QPointF(42, 16), QPointF(54, 16)}));

    // Lines of rules.
    p.setPen(QPen(QColor(64, 128, 128), 3, Qt::SolidLine, Qt::RoundCap));
    for (int y : {24, 32, 40, 48}) p.drawLine(QPointF(19, y), QPointF(y == 48 ? 34 : 47, y));

    // The pen.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 0, 0));
    p.drawPolygon(QPolygonF({QPointF(60, 30), QPointF(64, 34), QPointF(38, 60), QPointF(34, 56)}));
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(34, 56), QPointF(38, 60), QPointF(31, 63)}));
    p.restore();
}

namespace {

// Draws the icon at whatever size is asked for, when it is asked for: the
// window opens without waiting for pixmaps it may never use.
class PaintedIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->translate(rect.topLeft());
        PaintAppIcon(*painter, qMin(rect.width(), rect.height()));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : {16, 24, 32, 48, 64, 128}) sizes << QSize(size, size);
        return sizes;
    }

    QIconEngine* clone() const override { return new PaintedIconEngine; }
};

}  // namespace

QIcon AppIcon() { return QIcon(new PaintedIconEngine); }

}  // namespace ui
