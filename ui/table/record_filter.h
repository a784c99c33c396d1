#pragma once

#include <QSortFilterProxyModel>

namespace ui {

// Sorts the table by any column (numbers as numbers) and keeps the rows whose
// name holds the filter text (letter case ignored), or, when asked, only the
// records that differ from the file as last loaded or saved. Works over a
// RecordTableModel or a SectionTableModel, through their roles.
class RecordFilter : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit RecordFilter(QAbstractItemModel& model, QObject* parent = nullptr);

    void SetNameFilter(const QString& text);
    void SetOnlyChanged(bool only);
    bool OnlyChanged() const { return onlyChanged_; }

  protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

  private:
    QString name_;
    bool onlyChanged_ = false;
};

}  // namespace ui
