#include "ui/widgets/readable_text.h"

#include <QPalette>
#include <QWidget>

namespace ui {

void KeepDisabledTextReadable(QWidget* widget) {
    QPalette palette = widget->palette();
    const QColor ink(0x40, 0x40, 0x40);
    palette.setColor(QPalette::Disabled, QPalette::Text, ink);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, ink);
    widget->setPalette(palette);
}

}  // namespace ui
