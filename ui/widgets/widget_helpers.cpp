#include "ui/widgets/widget_helpers.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVariant>
#include <algorithm>

#include "ui/widgets/fonts.h"

namespace ui {

namespace {

// The place a label was designed at, kept so that a new text can be fitted
// from it again.
constexpr const char* kDesignedPlace = "designedPlace";

QRect FittedPlace(const QLabel* label) {
    const QRect place = label->property(kDesignedPlace).toRect();
    const QSize needed = QFontMetrics(SansFont()).size(Qt::TextSingleLine, label->text());
    return QRect(place.x(), place.y(), std::max(place.width(), needed.width()),
                 std::max(place.height(), needed.height()));
}

// `place` of `label`, ended where `other` begins if it stands to its right on
// the same row.
QRect PlaceBeside(QRect place, const QWidget* other, const QLabel* label) {
    if (other == label || other->isWindow()) return place;  // menus are windows
    const QRect there = other->geometry();
    const bool sameRow = there.top() <= place.bottom() && there.bottom() >= place.top();
    if (sameRow && there.left() > place.left() && there.left() <= place.right())
        place.setRight(there.left() - 1);
    return place;
}

}  // namespace

QPushButton* MakeButton(const QString& name, const QString& caption, const QRect& place,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

QPushButton* MakeButton(const QString& name, Caption caption, const QRect& place,
                        QWidget* parent) {
    QPushButton* button = MakeButton(name, caption.Text(), place, parent);
    BindText(button, "text", caption);
    return button;
}

QLabel* MakeLabel(const QString& name, const QString& caption, const QRect& place, QWidget* parent,
                  const QString& hint) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    if (!hint.isEmpty()) label->setToolTip(hint);
    label->setProperty(kDesignedPlace, place);
    label->setGeometry(FittedPlace(label));
    return label;
}

QLabel* MakeLabel(const QString& name, Caption caption, const QRect& place, QWidget* parent,
                  std::optional<Caption> hint) {
    QLabel* label = MakeLabel(name, caption.Text(), place, parent);
    BindText(label, "text", caption);
    if (hint) BindText(label, "toolTip", *hint);
    return label;
}

void FitLabelToText(QLabel* label) {
    if (!label->property(kDesignedPlace).isValid()) return;
    QRect place = FittedPlace(label);
    // A longer translation must not reach under the control beside it.
    if (QWidget* container = label->parentWidget()) {
        for (const QWidget* other : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            place = PlaceBeside(place, other, label);
    }
    label->setGeometry(place);
}

void KeepLabelsBesideTheirControls(QWidget* container) {
    const QList<QWidget*> children =
        container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : container->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        QRect place = label->geometry();
        for (const QWidget* other : children) place = PlaceBeside(place, other, label);
        label->setGeometry(place);
    }
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
    }
    widget->setPalette(palette);
}

}  // namespace ui
