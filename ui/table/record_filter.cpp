#include "ui/table/record_filter.h"

#include <algorithm>
#include <numeric>

#include "ui/table/record_table_model.h"

namespace ui {

namespace {

// Past this many rows changed at once (a whole section read again) the
// order and the filter are made again from scratch rather than row by row.
constexpr int kRowsPlacedOneByOne = 64;

struct SortKey {
    bool number = false;
    qlonglong value = 0;
    QString text;
};

SortKey KeyOf(const QVariant& key) {
    if (key.typeId() == QMetaType::LongLong) return {true, key.toLongLong(), {}};
    return {false, 0, key.toString()};
}

// Numbers first, in their order; then texts. Zero for equal keys.
int Compare(const SortKey& a, const SortKey& b) {
    if (a.number != b.number) return a.number ? -1 : 1;
    if (a.number) return a.value < b.value ? -1 : a.value > b.value ? 1 : 0;
    return QString::compare(a.text, b.text);
}

}  // namespace

RecordFilter::RecordFilter(QAbstractItemModel& model, QObject* parent) : QAbstractProxyModel(parent) {
    setSourceModel(&model);
}

void RecordFilter::setSourceModel(QAbstractItemModel* model) {
    beginResetModel();
    for (const auto& connection : sourceConnections_) disconnect(connection);
    sourceConnections_.clear();
    QAbstractProxyModel::setSourceModel(model);
    if (model) {
        // Rows or columns that come, go or move are as rare as a file read:
        // everything is made again.
        const auto aboutToReset = [this] { beginResetModel(); };
        const auto reset = [this] {
            Rebuild();
            endResetModel();
        };
        using M = QAbstractItemModel;
        sourceConnections_ = {
            connect(model, &M::modelAboutToBeReset, this, aboutToReset),
            connect(model, &M::modelReset, this, reset),
            connect(model, &M::rowsAboutToBeInserted, this, aboutToReset),
            connect(model, &M::rowsInserted, this, reset),
            connect(model, &M::rowsAboutToBeRemoved, this, aboutToReset),
            connect(model, &M::rowsRemoved, this, reset),
            connect(model, &M::rowsAboutToBeMoved, this, aboutToReset),
            connect(model, &M::rowsMoved, this, reset),
            connect(model, &M::columnsAboutToBeInserted, this, aboutToReset),
            connect(model, &M::columnsInserted, this, reset),
            connect(model, &M::columnsAboutToBeRemoved, this, aboutToReset),
            connect(model, &M::columnsRemoved, this, reset),
            connect(model, &M::columnsAboutToBeMoved, this, aboutToReset),
            connect(model, &M::columnsMoved, this, reset),
            connect(model, &M::layoutAboutToBeChanged, this, aboutToReset),
            connect(model, &M::layoutChanged, this, reset),
            connect(model, &M::dataChanged, this, &RecordFilter::SourceDataChanged),
            connect(model, &M::headerDataChanged, this, &RecordFilter::headerDataChanged),
        };
    }
    Rebuild();
    endResetModel();
}

void RecordFilter::Rebuild() {
    names_.Clear();
    SortAll();
    rows_ = ShownRows();
    IndexRows();
}

void RecordFilter::IndexRows() {
    proxyOf_.assign(sourceModel() ? static_cast<std::size_t>(sourceModel()->rowCount()) : 0, -1);
    for (std::size_t k = 0; k < rows_.size(); ++k) proxyOf_[static_cast<std::size_t>(rows_[k])] = static_cast<int>(k);
}

void RecordFilter::SetNameFilter(const QString& text) {
    if (text == name_) return;
    const std::string before = folded_;
    name_ = text;
    folded_ = RowNames::Fold(text);
    if (!sourceModel()) return;
    if (NameFiltered() && !names_.Built()) names_.Build(*sourceModel(), 0);
    // A longer text keeps some of the rows on show and brings back none:
    // only those are tested again, as typing a name goes.
    if (folded_.find(before) != std::string::npos) {
        std::vector<int> rows;
        rows.reserve(rows_.size());
        for (int row : rows_)
            if (Accepts(row)) rows.push_back(row);
        ChangeLayout(std::move(rows));
        return;
    }
    ChangeLayout(ShownRows());
}

void RecordFilter::SetOnlyChanged(bool only) {
    if (only == onlyChanged_) return;
    onlyChanged_ = only;
    Refilter();
}

void RecordFilter::Refilter() {
    if (!sourceModel()) return;
    if (NameFiltered() && !names_.Built()) names_.Build(*sourceModel(), 0);
    ChangeLayout(ShownRows());
}

bool RecordFilter::Accepts(int sourceRow) const {
    const QModelIndex first = sourceModel()->index(sourceRow, 0);
    if (NameFiltered()) {
        // The packed names while they are up to date; after an edit of a
        // name, the row itself.
        if (names_.Built()) {
            if (!names_.Holds(sourceRow, folded_)) return false;
        } else if (RowNames::Fold(first.data(Qt::DisplayRole).toString()).find(folded_) == std::string::npos) {
            return false;
        }
    }
    return !onlyChanged_ || first.data(RecordTableModel::kRowChangedRole).toBool();
}

std::vector<int> RecordFilter::ShownRows(int top, int bottom) const {
    std::vector<int> rows;
    if (!sourceModel()) return rows;
    const int count = sourceModel()->rowCount();
    const bool everyRow = !NameFiltered() && !onlyChanged_;
    rows.reserve(everyRow ? static_cast<std::size_t>(count) : 0);
    const bool known = top >= 0 && proxyOf_.size() == static_cast<std::size_t>(count);
    const auto take = [&](int row) {
        bool shown = everyRow;
        if (!shown) {
            const bool test = !known || (row >= top && row <= bottom);
            shown = test ? Accepts(row) : proxyOf_[static_cast<std::size_t>(row)] >= 0;
        }
        if (shown) rows.push_back(row);
    };
    if (order_.empty()) {
        for (int row = 0; row < count; ++row) take(row);
    } else {
        for (int row : order_) take(row);
    }
    return rows;
}

void RecordFilter::sort(int column, Qt::SortOrder order) {
    if (column == sortColumn_ && order == sortOrder_) return;
    sortColumn_ = column;
    sortOrder_ = order;
    SortAll();
    ChangeLayout(ShownRows());
}

void RecordFilter::SortAll() {
    order_.clear();
    if (!sourceModel() || sortColumn_ < 0 || sortColumn_ >= sourceModel()->columnCount()) return;
    const int count = sourceModel()->rowCount();
    // Each key is read once, not once per comparison.
    std::vector<SortKey> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row)
        keys.push_back(KeyOf(sourceModel()->index(row, sortColumn_).data(RecordTableModel::kSortRole)));
    order_.resize(static_cast<std::size_t>(count));
    std::iota(order_.begin(), order_.end(), 0);
    const bool descending = sortOrder_ == Qt::DescendingOrder;
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        const int order = Compare(keys[static_cast<std::size_t>(a)], keys[static_cast<std::size_t>(b)]);
        return descending ? order > 0 : order < 0;
    });
}

bool RecordFilter::Before(int a, int b) const {
    const auto key = [this](int row) {
        return KeyOf(sourceModel()->index(row, sortColumn_).data(RecordTableModel::kSortRole));
    };
    const int order = Compare(key(a), key(b));
    if (order != 0) return sortOrder_ == Qt::DescendingOrder ? order > 0 : order < 0;
    // Equal keys keep file order, either way.
    return a < b;
}

void RecordFilter::Replace(int row) {
    order_.erase(std::find(order_.begin(), order_.end(), row));
    order_.insert(std::lower_bound(order_.begin(), order_.end(), row,
                                   [this](int placed, int moved) { return Before(placed, moved); }),
                  row);
}

void RecordFilter::SourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                     const QList<int>& roles) {
    if (!topLeft.isValid() || !bottomRight.isValid()) return;
    const int top = topLeft.row();
    const int bottom = std::min(bottomRight.row(), static_cast<int>(proxyOf_.size()) - 1);
    if (top > bottom) return;
    const bool many = bottom - top + 1 > kRowsPlacedOneByOne;
    if (many) {
        if (!rows_.empty()) emit dataChanged(index(0, topLeft.column()), index(int(rows_.size()) - 1, bottomRight.column()), roles);
    } else {
        for (int row = top; row <= bottom; ++row)
            if (const int shown = proxyOf_[static_cast<std::size_t>(row)]; shown >= 0)
                emit dataChanged(index(shown, topLeft.column()), index(shown, bottomRight.column()), roles);
    }

    // An edit may move its row out of the filter or to another place in the
    // order; both follow at once.
    const bool names = topLeft.column() == 0;
    if (names) names_.Clear();
    const bool resort = sortColumn_ >= topLeft.column() && sortColumn_ <= bottomRight.column();
    const bool refilter = (names && NameFiltered()) || onlyChanged_;
    if (!resort && !refilter) return;
    if (many) {
        if (resort) SortAll();
        Refilter();
        return;
    }
    if (resort)
        for (int row = top; row <= bottom; ++row) Replace(row);
    ChangeLayout(ShownRows(top, bottom));
}

void RecordFilter::ChangeLayout(std::vector<int> rows) {
    if (rows == rows_) return;
    const QList<QPersistentModelIndex> none;
    const auto hint = rows.size() == rows_.size() ? VerticalSortHint : NoLayoutChangeHint;
    emit layoutAboutToBeChanged(none, hint);
    const QModelIndexList from = persistentIndexList();
    std::vector<int> sources;
    sources.reserve(static_cast<std::size_t>(from.size()));
    for (const QModelIndex& index : from) sources.push_back(rows_[static_cast<std::size_t>(index.row())]);
    rows_ = std::move(rows);
    IndexRows();
    QModelIndexList to;
    to.reserve(from.size());
    for (qsizetype k = 0; k < from.size(); ++k) {
        const int shown = proxyOf_[static_cast<std::size_t>(sources[static_cast<std::size_t>(k)])];
        to.append(shown >= 0 ? index(shown, from[k].column()) : QModelIndex());
    }
    changePersistentIndexList(from, to);
    emit layoutChanged(none, hint);
}

QModelIndex RecordFilter::mapToSource(const QModelIndex& proxy) const {
    if (!sourceModel() || !proxy.isValid() || proxy.model() != this) return {};
    if (proxy.row() >= rowCount()) return {};
    return sourceModel()->index(rows_[static_cast<std::size_t>(proxy.row())], proxy.column());
}

QModelIndex RecordFilter::mapFromSource(const QModelIndex& source) const {
    if (!sourceModel() || !source.isValid() || source.model() != sourceModel()) return {};
    if (source.row() >= static_cast<int>(proxyOf_.size())) return {};
    const int shown = proxyOf_[static_cast<std::size_t>(source.row())];
    return shown >= 0 ? index(shown, source.column()) : QModelIndex();
}

QModelIndex RecordFilter::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return {};
    return createIndex(row, column);
}

QModelIndex RecordFilter::parent(const QModelIndex&) const { return {}; }

QModelIndex RecordFilter::sibling(int row, int column, const QModelIndex&) const { return index(row, column); }

bool RecordFilter::hasChildren(const QModelIndex& parent) const {
    return !parent.isValid() && rowCount() > 0 && columnCount() > 0;
}

int RecordFilter::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RecordFilter::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !sourceModel() ? 0 : sourceModel()->columnCount();
}

QVariant RecordFilter::headerData(int section, Qt::Orientation orientation, int role) const {
    if (!sourceModel()) return {};
    // Row headings follow their rows; a column keeps its heading even when
    // no row is on show.
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= rowCount()) return {};
        section = rows_[static_cast<std::size_t>(section)];
    }
    return sourceModel()->headerData(section, orientation, role);
}

}  // namespace ui
