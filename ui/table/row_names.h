#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class QAbstractItemModel;

namespace ui {

// The names a table's rows show, folded so that a search ignores letter case
// and packed into one buffer: a filter over a million rows is then one pass
// over memory rather than a million conversions from the document's text.
class RowNames {
  public:
    // Reads the name in column `column` of every row of the model.
    void Build(const QAbstractItemModel& model, int column);
    void Clear();
    bool Built() const { return !starts_.empty(); }
    int Count() const { return Built() ? static_cast<int>(starts_.size()) - 1 : 0; }

    // The form of a text that Holds compares: folded, in UTF-8.
    static std::string Fold(const QString& text);
    // Whether row `row`'s name holds `folded` (a text given by Fold).
    bool Holds(int row, std::string_view folded) const {
        const auto at = static_cast<std::size_t>(row);
        return std::string_view(text_).substr(starts_[at], starts_[at + 1] - starts_[at]).find(folded) !=
               std::string_view::npos;
    }

  private:
    std::string text_;
    std::vector<std::size_t> starts_;  // where each row's name starts, and one past the last
};

}  // namespace ui
