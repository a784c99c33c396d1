#include "ui/table/record_filter.h"

#include "ui/table/record_table_model.h"

namespace ui {

RecordFilter::RecordFilter(QAbstractItemModel& model, QObject* parent) : QSortFilterProxyModel(parent) {
    setSourceModel(&model);
    setSortRole(RecordTableModel::kSortRole);
    // An edit may move its row out of the filter or to another place in the
    // order; both follow at once.
    setDynamicSortFilter(true);
}

void RecordFilter::SetNameFilter(const QString& text) {
    if (text == name_) return;
    name_ = text;
    invalidateRowsFilter();
}

void RecordFilter::SetOnlyChanged(bool only) {
    if (only == onlyChanged_) return;
    onlyChanged_ = only;
    invalidateRowsFilter();
}

bool RecordFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    const QModelIndex first = sourceModel()->index(sourceRow, 0);
    if (!name_.isEmpty() && !first.data(Qt::DisplayRole).toString().contains(name_, Qt::CaseInsensitive))
        return false;
    return !onlyChanged_ || first.data(RecordTableModel::kRowChangedRole).toBool();
}

bool RecordFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(RecordTableModel::kSortRole);
    const QVariant b = right.data(RecordTableModel::kSortRole);
    const bool aNumber = a.typeId() == QMetaType::LongLong;
    const bool bNumber = b.typeId() == QMetaType::LongLong;
    // Numbers first, in their order; then texts.
    if (aNumber != bNumber) return aNumber;
    if (aNumber) {
        if (a.toLongLong() != b.toLongLong()) return a.toLongLong() < b.toLongLong();
    } else if (const int order = QString::compare(a.toString(), b.toString()); order != 0) {
        return order < 0;
    }
    // Equal keys keep file order.
    return left.row() < right.row();
}

}  // namespace ui
