#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace ui {

void CentreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window->size(),
                                            screen->availableGeometry()));
}

void PlaceBesideWindow(QWidget* tool, const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QScreen* screen = window->screen();
    if (screen && frame.right() + 8 + tool->width() <= screen->availableGeometry().right())
        tool->move(frame.right() + 8, frame.top());
}

}  // namespace ui
