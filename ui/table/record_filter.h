#pragma once

#include <QAbstractProxyModel>
#include <string>
#include <vector>

#include "ui/table/row_names.h"

namespace ui {

// Sorts the table by any column (numbers as numbers, equal keys in file
// order) and keeps the rows whose name holds the filter text (letter case
// ignored), or, when asked, only the records that differ from the file as
// last loaded or saved. Works over a RecordTableModel or a
// SectionTableModel, through their roles.
//
// It keeps the rows it shows as one index into the source's rows: a new
// filter text or a new order is one pass over that index and one change of
// the layout announced to the views, whatever the number of rows that come
// and go (a section may hold more than a million). The views keep their
// current cell and selection where those rows stay on show.
class RecordFilter : public QAbstractProxyModel {
    Q_OBJECT
  public:
    explicit RecordFilter(QAbstractItemModel& model, QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* model) override;

    void SetNameFilter(const QString& text);
    void SetOnlyChanged(bool only);
    bool OnlyChanged() const { return onlyChanged_; }
    // Tests every row against the filter again (a step may have changed
    // which records differ from the file), keeping the order.
    void Refilter();

    // -1 shows the rows in file order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int SortColumn() const { return sortColumn_; }

    QModelIndex mapToSource(const QModelIndex& proxy) const override;
    QModelIndex mapFromSource(const QModelIndex& source) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    QModelIndex sibling(int row, int column, const QModelIndex& index) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

  private:
    bool NameFiltered() const { return !folded_.empty(); }
    bool Accepts(int sourceRow) const;
    // Whether source row `a` comes before `b` in the order chosen.
    bool Before(int a, int b) const;
    void SortAll();
    // Places source row `row` again in the order after its key changed.
    void Replace(int row);
    // The rows on show, from the order and the filter. Given a range of
    // source rows, only those are tested again; the others stay as shown.
    std::vector<int> ShownRows(int top = -1, int bottom = -1) const;
    // Shows `rows` instead, moving the views' current cells and selections.
    void ChangeLayout(std::vector<int> rows);
    // Makes the order, the rows on show and their places again from scratch.
    void Rebuild();
    void IndexRows();
    void SourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles);

    QString name_;
    std::string folded_;  // name_ as RowNames compares it
    bool onlyChanged_ = false;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;

    std::vector<int> order_;    // every source row in the order chosen (empty: file order)
    std::vector<int> rows_;     // the source rows on show, in that order
    std::vector<int> proxyOf_;  // per source row: its row here, or -1 when filtered out
    mutable RowNames names_;    // built when a name is first filtered by
    std::vector<QMetaObject::Connection> sourceConnections_;
};

}  // namespace ui
