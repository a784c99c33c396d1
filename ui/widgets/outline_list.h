#pragma once

#include <QListWidget>

namespace ui {

// The list of names beside a record form. Items are numbered from 1 (item k is
// record k). Selecting an item by mouse, arrow keys or program reports it, so
// the keyboard browses the records exactly as clicks do; a double-click or
// Enter asks for a rename of the selected item.
class OutlineList : public QListWidget {
    Q_OBJECT
public:
    explicit OutlineList(QWidget* parent = nullptr);

    void AppendItem(const QString& text);
    int ItemCount() const { return count(); }
    // 1-based number of the selected item; 0 when none.
    int SelectedItem() const;
    // Selects item k without reporting it (the caller shows the record itself).
    void SelectQuietly(int number);
    // Selects item k and reports it like a user's selection.
    void SelectItem(int number);
    void SetItemText(int number, const QString& text);
    QString ItemText(int number) const;

signals:
    void ItemSelected(int number);
    void RenameRequested(int number);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace ui
