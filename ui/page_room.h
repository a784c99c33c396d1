#pragma once

#include <QObject>
#include <QRect>
#include <QSize>

class QTabWidget;
class QWidget;

namespace ui {

// A page that uses all the room the window gives it (a list, a drawing):
// while it is in front, an enlarged window enlarges the page control too.
void MarkRoomy(QWidget* page);
bool IsRoomy(const QWidget* page);

// Keeps the window's page control where it was placed, at its size, whatever
// the window's size; only while a roomy page is in front does it follow the
// window's size beyond that (never below it), keeping the margins it was
// placed with. At the placed window size nothing moves. Made once the window
// and its page control have their designed sizes.
class PageRoom : public QObject {
    Q_OBJECT
public:
    PageRoom(QWidget* window, QTabWidget* pages);

    // Gives the page control the room the page in front is due.
    void Apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QTabWidget* pages_;
    QRect placed_;        // the page control's own place and size
    QSize marginsAfter_;  // room the window leaves right of and below it
};

}  // namespace ui
