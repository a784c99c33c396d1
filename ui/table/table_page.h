#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "rules/document/record_fields.h"
#include "rules/edits/cell_grid.h"
#include "rules/sections/cell_ref.h"
#include "ui/table/record_table_model.h"
#include "ui/widgets/made_when_shown.h"

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
class SectionTableModel;

// Every unit, advance or cosmic value at a glance, and every row of the
// file's other sections ("@TERRAIN"), edited like a spreadsheet: sort by
// any column, filter by name, type into a cell, copy and paste blocks of
// cells, adjust numbers at once, exchange the section with a spreadsheet as
// CSV; beside the units a chart of two of their columns.
//
// Nothing of it is built before the page is first shown: the editor starts
// as fast without it.
class TablePage : public MadeWhenShown<QWidget> {
    Q_OBJECT
  public:
    explicit TablePage(DocumentEditor& editor, QWidget* parent = nullptr);

    // The page came to the front: builds it the first time, and reads the
    // tables again (the forms change them without telling anyone).
    void Enter();

    void ShowSection(rules::SectionId section);
    // Shows other section `index` of the document (in file order).
    void ShowOtherSection(int index);
    // Whether one of the other sections is on show, and which.
    bool ShowingOther() const { return otherSection_ >= 0; }
    int OtherSection() const { return otherSection_; }
    // Shows the field's section with its cell current (an undo or redo
    // changed it); one hidden by the filter is left so.
    void ShowField(const rules::FieldRef& ref);
    // The same for a cell of another section.
    void ShowCell(const rules::CellRef& ref);
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
    SectionTableModel* SectionModel() const { return sectionModel_; }
    RecordFilter* Filter() const { return filter_; }
    QTableView* View() const { return view_; }
    BalanceChart* Chart() const { return chart_; }
    // The fields of the selected cells, in the table's order (none while
    // another section is on show).
    std::vector<rules::FieldRef> SelectedFields() const;
    // The same for the cells of the other section on show.
    std::vector<rules::CellRef> SelectedCells() const;

  protected:
    void Build() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The chooser's item data: a designed section's SectionId, or -1 and
    // the other section's index.
    static constexpr int kDesignedRole = Qt::UserRole;
    static constexpr int kOtherRole = Qt::UserRole + 1;

    void FillChooser();
    void ShowView(QAbstractItemModel* source);
    void SetCurrent(const QModelIndex& source);
    // The section on show as the commands see it.
    std::unique_ptr<rules::CellGrid> Grid() const;
    // The selected cells as source (row, column) pairs, in the table's order.
    std::vector<std::pair<int, int>> SelectedSourceCells() const;
    // Stores the text of a cell editor still open, as Enter would.
    void CommitOpenCell();
    void ShowMessage(const QString& text);
    void Refuse(const QString& title, const QString& text);
    void SelectUnit(int unit);

    DocumentEditor& editor_;
    RecordTableModel* model_ = nullptr;
    SectionTableModel* sectionModel_ = nullptr;
    int otherSection_ = -1;
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
