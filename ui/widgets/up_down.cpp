#include "ui/widgets/up_down.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "ui/widgets/numeric_text.h"

namespace ui {

namespace {
QToolButton* MakeArrow(Qt::ArrowType arrow, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(6, 21);
    button->setStyleSheet(QStringLiteral("QToolButton { padding: 0px; margin: 0px; }"));
    return button;
}
}  // namespace

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, bool wraps, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum), wraps_(wraps) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    QToolButton* down = MakeArrow(Qt::LeftArrow, QStringLiteral("StepDown"), this);
    QToolButton* up = MakeArrow(Qt::RightArrow, QStringLiteral("StepUp"), this);
    row->addWidget(down);
    row->addWidget(up);
    connect(down, &QToolButton::clicked, this, &UpDown::StepDown);
    connect(up, &QToolButton::clicked, this, &UpDown::StepUp);
    const QRect edit = buddy->geometry();
    setGeometry(edit.right() + 1, edit.top(), 12, 21);
    buddy->installEventFilter(this);
}

void UpDown::StepUp() { Step(+1); }
void UpDown::StepDown() { Step(-1); }

void UpDown::Step(int delta) {
    // A text that is no number, or lies outside the limits, starts from the
    // nearest limit, as a spinner can only show numbers within its range.
    const int current = std::clamp(NumericValue(buddy_->text().toStdString()),
                                   minimum_, maximum_);
    int next = current + delta;
    if (next > maximum_) next = wraps_ ? minimum_ : maximum_;
    if (next < minimum_) next = wraps_ ? maximum_ : minimum_;
    const QString text = QString::number(next);
    if (text != buddy_->text()) buddy_->setText(text);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up) {
            StepUp();
            return true;
        }
        if (key->key() == Qt::Key_Down) {
            StepDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace ui
