#include "ui/edit/undo_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/edit/document_editor.h"

namespace ui {

UndoKeys::UndoKeys(QWidget* window, DocumentEditor& editor)
    : QObject(&editor), window_(window), editor_(editor) {
    qApp->installEventFilter(this);
}

int UndoKeys::Direction(const QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() &
        (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    if (event->key() == Qt::Key_Z && modifiers == Qt::ControlModifier) return -1;
    if (event->key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return +1;
    if (event->key() == Qt::Key_Y && modifiers == Qt::ControlModifier) return +1;
    if (event->matches(QKeySequence::Undo)) return -1;
    if (event->matches(QKeySequence::Redo)) return +1;
    return 0;
}

bool UndoKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    const int direction = Direction(static_cast<QKeyEvent*>(event));
    if (direction == 0) return false;
    // Claiming the override keeps both a text field's own undo and any
    // shortcut from acting on the key; the key press that follows is ours.
    event->accept();
    if (type == QEvent::KeyPress) {
        if (direction < 0) {
            editor_.Undo();
        } else {
            editor_.Redo();
        }
    }
    return true;
}

}  // namespace ui
