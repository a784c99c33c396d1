#include "ui/widgets/widget_helpers.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "ui/widgets/fonts.h"

namespace ui {

QPushButton* MakeButton(const QString& name, const QString& caption, const QRect& place,
                        QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(place);
    return button;
}

QLabel* MakeLabel(const QString& name, const QString& caption, const QRect& place, QWidget* parent,
                  const QString& hint) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    if (!hint.isEmpty()) label->setToolTip(hint);
    const QSize needed = QFontMetrics(SansFont()).size(Qt::TextSingleLine, caption);
    label->setGeometry(place.x(), place.y(), std::max(place.width(), needed.width()),
                       std::max(place.height(), needed.height()));
    return label;
}

void KeepLabelsBesideTheirControls(QWidget* container) {
    const QList<QWidget*> children =
        container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : container->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        QRect place = label->geometry();
        for (const QWidget* other : children) {
            if (other == label || other->isWindow()) continue;  // menus are windows
            const QRect there = other->geometry();
            const bool sameRow = there.top() <= place.bottom() && there.bottom() >= place.top();
            if (sameRow && there.left() > place.left() && there.left() <= place.right())
                place.setRight(there.left() - 1);
        }
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
