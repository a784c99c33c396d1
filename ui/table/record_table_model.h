#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "rules/document/record_fields.h"
#include "rules/edits/table_cells.h"
#include "rules/tree/record_figures.h"

namespace ui {

class DocumentEditor;

// One section of the tables as rows and columns: a unit, an advance or a
// cosmic value per row in file order, and the section's Table columns
// (rules::TableColumns): its fields, then read-only figures computed from
// the tables. It keeps
// no copy of the tables: every cell is read from the document when asked
// for, and every stored cell is a step on the editor's undo stack.
class RecordTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The value a column sorts by: numbers as numbers, words in their
    // order, texts without regard to letter case.
    static constexpr int kSortRole = Qt::UserRole + 1;
    // The field a cell shows (-1 for computed columns), for the delegates.
    static constexpr int kFieldRole = Qt::UserRole + 2;
    // Whether the row differs from the file as last loaded or saved, for
    // "Only changed" (this model's and SectionTableModel's alike).
    static constexpr int kRowChangedRole = Qt::UserRole + 3;
    // The record a cell belongs to, for the delegates (a cosmic value's
    // range is its own).
    static constexpr int kRecordRole = Qt::UserRole + 4;

    explicit RecordTableModel(DocumentEditor& editor, QObject* parent = nullptr);

    void SetSection(rules::SectionId section);
    rules::SectionId Section() const { return section_; }

    // The field a column shows; -1 for a computed or descriptive column.
    int FieldOfColumn(int column) const;
    int ColumnOfField(int field) const;
    // The field of a cell; its field is -1 when the column is computed.
    rules::FieldRef RefAt(int row, int column) const;
    int RowOfRecord(int record) const { return record - 1; }
    // Whether the cell can be typed into: a field of a record that exists
    // (cosmic values only when the file has their line).
    bool IsEditable(int row, int column) const;

    // The text the field had when the file was last loaded or saved; nothing
    // when that is not known. Until it is known nothing counts as changed.
    using DiskTextSource = std::function<std::optional<std::string>(const rules::FieldRef&)>;
    void SetDiskTextSource(DiskTextSource source);
    bool IsChanged(const rules::FieldRef& ref) const;
    bool RecordChanged(int row) const;

    // Reads everything again: another page changed the tables without the
    // editor, or a file was loaded.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Parses the text as the forms would take it and stores it as one step;
    // a refused text changes nothing and is reported by EditRefused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    DocumentEditor& Editor() const { return editor_; }

  signals:
    // A typed value was refused: why, for the user.
    void EditRefused(const QString& reason);

  private:
    void FieldsChanged(rules::SectionId section, const QList<int>& records);
    const rules::RecordFigures& Figures() const;
    const rules::TableColumn& ColumnAt(int column) const;
    bool IsNumberColumn(int column) const;
    QString CellText(int row, int column) const;
    QVariant SortKey(int row, int column) const;
    QString ToolTip(int row, int column) const;

    DocumentEditor& editor_;
    rules::SectionId section_ = rules::SectionId::Units;
    DiskTextSource diskText_;
    void EndReset();

    mutable std::optional<rules::RecordFigures> figures_;
    int shownRows_ = 0;  // rows the views know of  // derived; dropped on every change
};

}  // namespace ui
