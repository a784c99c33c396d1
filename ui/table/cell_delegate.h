#pragma once

#include <QStyledItemDelegate>

namespace ui {

class RecordTableModel;

// Edits a cell with the control its field has on the forms: a spinner within
// the field's range, a list of words for domain, role, epoch and category,
// advance names with completion, fifteen check boxes for the flags, and a
// text field for names and for the cells of the sections without a form.
// What the field refuses is refused, with the reason,
// when the cell is stored (RecordTableModel::setData).
class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    CellDelegate(const RecordTableModel& model, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

  private:
    const RecordTableModel& model_;
};

// The fifteen flags of a unit as check boxes, in the Units page's order;
// its text is the flags' fifteen characters.
class FlagsEditor : public QWidget {
    Q_OBJECT
  public:
    explicit FlagsEditor(QWidget* parent = nullptr);
    void SetFlags(const QString& flags);
    QString Flags() const;

  private:
    QString original_;  // kept as it was when no box changes
    bool touched_ = false;
};

}  // namespace ui
