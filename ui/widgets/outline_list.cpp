#include "ui/widgets/outline_list.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include "ui/widgets/key_help.h"

namespace ui {

OutlineList::OutlineList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A long name is cut at the edge rather than scrolling the whole list.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    DeclareKeys(this, QStringLiteral("Enter, double-click"),
                QStringLiteral("Rename the unit or advance selected in a list"));
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) emit ItemSelected(row + 1);
    });
}

void OutlineList::AppendItem(const QString& text) { addItem(text); }

int OutlineList::SelectedItem() const { return currentRow() + 1; }

void OutlineList::SelectQuietly(int number) {
    const QSignalBlocker blocker(this);
    setCurrentRow(number - 1);
    if (QListWidgetItem* current = currentItem()) scrollToItem(current);
}

void OutlineList::SelectItem(int number) {
    if (number == SelectedItem()) {
        emit ItemSelected(number);
        return;
    }
    setCurrentRow(number - 1);
    if (QListWidgetItem* current = currentItem()) scrollToItem(current);
}

void OutlineList::SetItemText(int number, const QString& text) {
    if (QListWidgetItem* it = item(number - 1)) it->setText(text);
}

QString OutlineList::ItemText(int number) const {
    const QListWidgetItem* it = item(number - 1);
    return it ? it->text() : QString();
}

void OutlineList::mousePressEvent(QMouseEvent* event) {
    const QModelIndex at = indexAt(event->position().toPoint());
    if (!at.isValid()) {
        // Below the last item: the selected record stays selected.
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    const int before = currentRow();
    QListWidget::mousePressEvent(event);
    // A press that changes the selection is reported by the selection itself.
    if (event->button() == Qt::LeftButton && at.row() == before && currentRow() == before)
        emit ItemSelected(before + 1);
}

void OutlineList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (indexAt(event->position().toPoint()).isValid()) QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && SelectedItem() > 0) emit RenameRequested(SelectedItem());
    event->accept();
}

void OutlineList::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && SelectedItem() > 0) {
        emit RenameRequested(SelectedItem());
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace ui
