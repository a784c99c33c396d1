#include "ui/table/balance_chart.h"

#include <QComboBox>
#include <QGraphicsEllipseItem>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <map>

#include "rules/document/field_values.h"
#include "rules/document/rules_document.h"
#include "rules/tree/record_figures.h"
#include "rules/tree/tech_tree_dot.h"
#include "ui/edit/document_editor.h"
#include "ui/codec/text_codec.h"

namespace ui {

namespace {

using rules::UnitField;

constexpr double kRadius = 5;
constexpr int kUnitKey = 0;  // item data: the unit's number

const QColor kStartColour(156, 204, 156);
const QColor kFaultColour(192, 57, 43);

// The unit numbers worth plotting against each other.
constexpr UnitField kAxes[] = {UnitField::Moves,     UnitField::Rounds,    UnitField::Attack,
                               UnitField::Defense,   UnitField::HitPoints, UnitField::Firepower,
                               UnitField::Cost,      UnitField::Hold};

// The tree's pale epoch colours, made strong enough to tell small points apart.
QColor EpochColour(int epoch) {
    if (epoch < 0) return kStartColour;
    const QColor pale(QString::fromLatin1(rules::TreeColours::EpochFill(epoch)));
    if (pale.hsvHue() < 0) return QColor(120, 120, 120);  // the grey epoch
    return QColor::fromHsv(pale.hsvHue(), 170, 225);
}

// A step between grid lines that keeps them at least 24 pixels apart and
// gives at most eight of them.
long TickStep(long span, double pixels) {
    const long most = std::clamp(static_cast<long>(pixels / 24), 1L, 8L);
    for (long step : {1, 2, 5, 10, 20, 25, 50, 100, 200, 500, 1000})
        if (span / step <= most) return step;
    return span / most + 1;
}

}  // namespace

ChartView::ChartView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(200, 140);
    // The plot is drawn to fit the view, never scrolled.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    for (QGraphicsItem* item : items(event->position().toPoint())) {
        const QVariant unit = item->data(kUnitKey);
        if (unit.isValid()) {
            emit UnitClicked(unit.toInt());
            return;
        }
    }
    QGraphicsView::mousePressEvent(event);
}

void ChartView::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    emit Resized();
}

BalanceChart::BalanceChart(DocumentEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor), scene_(new QGraphicsScene(this)) {
    across_ = new QComboBox(this);
    across_->setObjectName(QStringLiteral("ChartAcross"));
    up_ = new QComboBox(this);
    up_->setObjectName(QStringLiteral("ChartUp"));
    for (UnitField axis : kAxes) {
        const std::string_view heading = rules::InfoOf(rules::SectionId::Units, int(axis)).heading;
        const QString caption = QString::fromLatin1(heading.data(), qsizetype(heading.size()));
        across_->addItem(caption, static_cast<int>(axis));
        up_->addItem(caption, static_cast<int>(axis));
    }
    view_ = new ChartView(scene_, this);
    view_->setObjectName(QStringLiteral("ChartView"));
    scene_->setFont(font());

    auto* choices = new QHBoxLayout;
    auto* upLabel = new QLabel(QStringLiteral("Up:"), this);
    auto* acrossLabel = new QLabel(QStringLiteral("Across:"), this);
    choices->addWidget(upLabel);
    choices->addWidget(up_);
    choices->addSpacing(8);
    choices->addWidget(acrossLabel);
    choices->addWidget(across_);
    choices->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(choices);
    layout->addWidget(view_, 1);

    SetAxes(static_cast<int>(UnitField::Cost), static_cast<int>(UnitField::Attack));
    connect(across_, &QComboBox::currentIndexChanged, this, &BalanceChart::Redraw);
    connect(up_, &QComboBox::currentIndexChanged, this, &BalanceChart::Redraw);
    connect(view_, &ChartView::UnitClicked, this, &BalanceChart::UnitClicked);
    // The plot fills the room it is given; texts keep their size.
    connect(view_, &ChartView::Resized, this, &BalanceChart::ScheduleRedraw);
    connect(&editor_, &DocumentEditor::FieldsChanged, this, &BalanceChart::ScheduleRedraw);
    connect(&editor_, &DocumentEditor::Loaded, this, &BalanceChart::ScheduleRedraw);
    connect(&editor_, &DocumentEditor::Replaced, this, &BalanceChart::ScheduleRedraw);
    Redraw();
}

void BalanceChart::SetAxes(int acrossField, int upField) {
    const QSignalBlocker a(across_);
    const QSignalBlocker u(up_);
    across_->setCurrentIndex(across_->findData(acrossField));
    up_->setCurrentIndex(up_->findData(upField));
    Redraw();
}

int BalanceChart::AcrossField() const { return across_->currentData().toInt(); }
int BalanceChart::UpField() const { return up_->currentData().toInt(); }

void BalanceChart::ScheduleRedraw() {
    // A paste of a whole column is one redraw, not one per cell.
    if (redrawPending_) return;
    redrawPending_ = true;
    QTimer::singleShot(0, this, [this] {
        redrawPending_ = false;
        Redraw();
    });
}

QPointF BalanceChart::PointOf(int unit) const {
    for (QGraphicsItem* item : scene_->items())
        if (item->data(kUnitKey).toInt() == unit) return item->sceneBoundingRect().center();
    return {};
}

void BalanceChart::Redraw() {
    scene_->clear();
    points_ = 0;
    const rules::RulesDocument& document = editor_.Document();
    const rules::UnitTable& units = document.Units();
    const int acrossField = AcrossField();
    const int upField = UpField();

    struct Point {
        int unit;
        long x;
        long y;
    };
    // The plot area in pixels, leaving room for the scales and the legend.
    const QSize room = view_->viewport()->size();
    const double kWidth = std::max(160, room.width() - 70);
    const double kHeight = std::max(80, room.height() - 70);
    std::vector<Point> points;
    long maxX = 1;
    long maxY = 1;
    for (int u = 1; u <= units.Count(); ++u) {
        const auto x = rules::PlainWholeNumber(
            rules::FieldText(document, rules::UnitFieldRef(u, static_cast<UnitField>(acrossField))), false);
        const auto y = rules::PlainWholeNumber(
            rules::FieldText(document, rules::UnitFieldRef(u, static_cast<UnitField>(upField))), false);
        if (!x || !y) continue;  // a field that holds no number has no place
        points.push_back({u, *x, *y});
        maxX = std::max(maxX, *x);
        maxY = std::max(maxY, *y);
    }

    const QPen axisPen(QColor(90, 90, 90));
    const QPen gridPen(QColor(225, 225, 225));
    const auto sceneX = [&](double x) { return kWidth * x / static_cast<double>(maxX); };
    const auto sceneY = [&](double y) { return -kHeight * y / static_cast<double>(maxY); };
    const long stepX = TickStep(maxX, kWidth);
    const long stepY = TickStep(maxY, kHeight);
    for (long x = 0; x <= maxX; x += stepX) {
        scene_->addLine(sceneX(x), 0, sceneX(x), -kHeight, gridPen);
        auto* label = scene_->addSimpleText(QString::number(x));
        label->setPos(sceneX(x) - label->boundingRect().width() / 2, 4);
    }
    for (long y = 0; y <= maxY; y += stepY) {
        scene_->addLine(0, sceneY(y), kWidth, sceneY(y), gridPen);
        auto* label = scene_->addSimpleText(QString::number(y));
        label->setPos(-label->boundingRect().width() - 6, sceneY(y) - label->boundingRect().height() / 2);
    }
    scene_->addLine(0, 0, kWidth, 0, axisPen);
    scene_->addLine(0, 0, 0, -kHeight, axisPen);
    auto* acrossTitle = scene_->addSimpleText(across_->currentText());
    acrossTitle->setPos(kWidth - acrossTitle->boundingRect().width(), 22);
    auto* upTitle = scene_->addSimpleText(up_->currentText());
    upTitle->setPos(-upTitle->boundingRect().width() - 6, -kHeight - 26);

    const rules::RecordFigures figures = rules::RecordFigures::Compute(document.Advances(), units);
    // Units on the same spot are set around it, so each stays visible.
    std::map<std::pair<long, long>, int> crowd;
    for (const Point& p : points) {
        const int nth = crowd[{p.x, p.y}]++;
        const double angle = nth * 2.4;
        const double spread = nth == 0 ? 0 : kRadius * 1.2 * std::sqrt(double(nth));
        const QPointF centre(sceneX(static_cast<double>(p.x)) + spread * std::cos(angle),
                             sceneY(static_cast<double>(p.y)) + spread * std::sin(angle));
        const rules::UnitFigures& f = figures.units[static_cast<std::size_t>(p.unit - 1)];
        const bool fault = f.neverAvailable || f.availableEpoch == rules::UnitFigures::kUnknown;
        const QColor fill = EpochColour(f.availableEpoch);
        auto* dot = scene_->addEllipse(QRectF(centre - QPointF(kRadius, kRadius),
                                              QSizeF(2 * kRadius, 2 * kRadius)),
                                       QPen(fault ? kFaultColour : fill.darker(200), fault ? 2 : 1),
                                       QBrush(fill));
        dot->setData(kUnitKey, p.unit);
        dot->setToolTip(QStringLiteral("%1\n%2 %3, %4 %5")
                            .arg(ToDisplay(units.At(p.unit).name), across_->currentText())
                            .arg(p.x)
                            .arg(up_->currentText())
                            .arg(p.y));
        dot->setCursor(Qt::PointingHandCursor);
        dot->setZValue(1);
        ++points_;
    }

    // The legend: which colour is which epoch.
    double legendY = -kHeight - 26;
    double legendX = 40;
    for (int epoch = -1; epoch < rules::kEpochCount; ++epoch) {
        const QColor fill = EpochColour(epoch);
        scene_->addEllipse(legendX, legendY + 3, 2 * kRadius, 2 * kRadius, QPen(fill.darker(200)),
                           QBrush(fill));
        auto* text = scene_->addSimpleText(epoch < 0 ? QStringLiteral("start")
                                                     : QString::fromLatin1(rules::EpochName(epoch)));
        text->setPos(legendX + 2 * kRadius + 3, legendY);
        legendX += 2 * kRadius + 14 + text->boundingRect().width();
    }
    scene_->setSceneRect(scene_->itemsBoundingRect().adjusted(-4, -4, 4, 4));
}

}  // namespace ui
