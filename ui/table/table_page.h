#pragma once

#include <QWidget>
#include <vector>

#include "rules/document/record_fields.h"
#include "ui/table/record_table_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSplitter;
class QTableView;
class QToolButton;

namespace ui {

class BalanceChart;
class DocumentEditor;
class RecordFilter;

// Every unit, advance or cosmic value at a glance, edited like a
// spreadsheet: sort by any column, filter by name, type into a cell, copy
// and paste blocks of cells, adjust numbers at once, exchange the section
// with a spreadsheet as CSV; beside it a chart of two unit columns.
//
// Nothing of it is built before the page is first shown: the editor starts
// as fast without it.
class TablePage : public QWidget {
    Q_OBJECT
  public:
    explicit TablePage(DocumentEditor& editor, QWidget* parent = nullptr);

    // The page came to the front: builds it the first time, and reads the
    // tables again (the forms change them without telling anyone).
    void Enter();
    bool Built() const { return model_ != nullptr; }

    void ShowSection(rules::SectionId section);
    // Shows the field's section with its cell current (an undo or redo
    // changed it); one hidden by the filter is left so.
    void ShowField(const rules::FieldRef& ref);
    // Tells the table the text each field had when the file was last read
    // or saved, which marks changed cells and drives "Only changed".
    void SetDiskTextSource(RecordTableModel::DiskTextSource source);

    // The user's commands, also for a menu to call.
    void CopySelection();
    void PasteClipboard();
    // Pastes tab-separated text onto the selection as Paste does; returns
    // false (and says why) when a cell was refused and nothing changed.
    bool PasteText(const QString& text);
    void AdjustSelection();
    void ExportCsvClick();
    void ImportCsvClick();
    // Writes the section as CSV to `fileName`; false with a message on failure.
    bool ExportCsv(const QString& fileName);
    // Imports `fileName` after showing the differences for confirmation.
    bool ImportCsv(const QString& fileName);

    RecordTableModel* Model() const { return model_; }
    RecordFilter* Filter() const { return filter_; }
    QTableView* View() const { return view_; }
    BalanceChart* Chart() const { return chart_; }
    // The fields of the selected cells, in the table's order.
    std::vector<rules::FieldRef> SelectedFields() const;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Build();
    // Stores the text of a cell editor still open, as Enter would.
    void CommitOpenCell();
    void ShowMessage(const QString& text);
    void Refuse(const QString& title, const QString& text);
    void SelectUnit(int unit);

    DocumentEditor& editor_;
    RecordTableModel* model_ = nullptr;
    RecordFilter* filter_ = nullptr;
    QTableView* view_ = nullptr;
    BalanceChart* chart_ = nullptr;
    QComboBox* section_ = nullptr;
    QLineEdit* filterText_ = nullptr;
    QCheckBox* onlyChanged_ = nullptr;
    QToolButton* showChart_ = nullptr;
    QLabel* message_ = nullptr;
    QSplitter* splitter_ = nullptr;
    RecordTableModel::DiskTextSource diskText_;
};

}  // namespace ui
