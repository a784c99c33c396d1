#include "ui/widget_helpers.h"

#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

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
    const QSize needed = label->sizeHint();
    label->setGeometry(place.x(), place.y(), std::max(place.width(), needed.width()),
                       std::max(place.height(), needed.height()));
    return label;
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
