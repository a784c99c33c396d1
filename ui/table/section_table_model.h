#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <vector>

#include "rules/sections/cell_ref.h"

namespace ui {

class DocumentEditor;

// One of the sections the editor has no form for as rows and columns: a row
// per data line in file order, a column per value, then "Comment". Like
// RecordTableModel it keeps no copy: every cell is read from the document
// when asked for, and every stored cell is a step on the editor's undo
// stack. A row with fewer values than the widest has empty cells beyond
// them that cannot be typed into.
class SectionTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit SectionTableModel(DocumentEditor& editor, QObject* parent = nullptr);

    // Shows section `section` of the document's other sections (-1: none).
    void SetSection(int section);
    int Section() const { return section_; }

    rules::CellRef RefAt(int row, int column) const { return {section_, row + 1, column}; }
    bool IsEditable(int row, int column) const;
    bool IsChanged(int row, int column) const;
    bool RowChanged(int row) const;
    // Whether every value of the column is a whole number: it sorts, aligns
    // and adjusts as numbers.
    bool IsNumberColumn(int column) const;

    // Reads everything again (a file read, a document replaced or saved).
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Reads the text as any cell of such a section is read and stores it as
    // one step; a refused text changes nothing and is reported by EditRefused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  signals:
    void EditRefused(const QString& reason);

  private:
    bool Shown() const;
    void CellsChanged(int section, const QList<int>& rows);
    void Reset(int section);

    DocumentEditor& editor_;
    int section_ = -1;
    int shownRows_ = 0;     // what the views know of
    int shownColumns_ = 0;
    mutable std::vector<signed char> numbers_;  // per column: -1 unknown, 0 no, 1 yes
};

}  // namespace ui
