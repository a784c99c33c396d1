#include "ui/page_room.h"

#include <QEvent>
#include <QTabWidget>
#include <QVariant>
#include <algorithm>

namespace ui {

namespace {
constexpr const char* kRoomy = "roomy";
}  // namespace

void MarkRoomy(QWidget* page) { page->setProperty(kRoomy, true); }

bool IsRoomy(const QWidget* page) { return page && page->property(kRoomy).toBool(); }

PageRoom::PageRoom(QWidget* window, QTabWidget* pages)
    : QObject(window),
      window_(window),
      pages_(pages),
      placed_(pages->geometry()),
      marginsAfter_(window->width() - placed_.right() - 1, window->height() - placed_.bottom() - 1) {
    window_->installEventFilter(this);
    connect(pages_, &QTabWidget::currentChanged, this, &PageRoom::Apply);
}

void PageRoom::Apply() {
    QRect room = placed_;
    if (IsRoomy(pages_->currentWidget())) {
        room.setWidth(std::max(placed_.width(), window_->width() - placed_.x() - marginsAfter_.width()));
        room.setHeight(std::max(placed_.height(), window_->height() - placed_.y() - marginsAfter_.height()));
    }
    if (pages_->geometry() != room) pages_->setGeometry(room);
}

bool PageRoom::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Resize) Apply();
    return QObject::eventFilter(watched, event);
}

}  // namespace ui
