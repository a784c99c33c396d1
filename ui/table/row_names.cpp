#include "ui/table/row_names.h"

#include <QAbstractItemModel>

namespace ui {

std::string RowNames::Fold(const QString& text) { return text.toCaseFolded().toStdString(); }

void RowNames::Build(const QAbstractItemModel& model, int column) {
    Clear();
    const int rows = model.rowCount();
    starts_.reserve(static_cast<std::size_t>(rows) + 1);
    for (int row = 0; row < rows; ++row) {
        starts_.push_back(text_.size());
        // UTF-8 keeps a match from starting inside another character.
        text_ += Fold(model.index(row, column).data(Qt::DisplayRole).toString());
    }
    starts_.push_back(text_.size());
    text_.shrink_to_fit();
}

void RowNames::Clear() {
    std::string().swap(text_);
    std::vector<std::size_t>().swap(starts_);
}

}  // namespace ui
