#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>

#include "rules/document/findings.h"
#include "rules/sections/cell_ref.h"

namespace rules {
class RulesDocument;
}

namespace ui {

class ComparisonPanel;
class DocumentEditor;
class UndoKeys;

// File -> Compare With...: what differs between the tables now and another
// rules file, field by field, with "Take theirs" for the selected
// differences. It stays open beside the window and follows the tables as
// they change; a double-click shows a record on its page.
class CompareWithDialog : public QDialog {
    Q_OBJECT
  public:
    CompareWithDialog(DocumentEditor& editor, std::shared_ptr<const rules::RulesDocument> theirs,
                      const QString& fileName, QWidget* parent = nullptr);
    ~CompareWithDialog() override;

    // Reads `fileName` as a rules file of any language (the name decides
    // nothing) and makes the dialog for it; a file that cannot be read is
    // said in an error box and gives none.
    static CompareWithDialog* Open(DocumentEditor& editor, const QString& fileName,
                                   QWidget* parent);

    ComparisonPanel* Panel() const { return panel_; }

  signals:
    void RecordActivated(rules::SectionId section, int record);
    // A row of another section was activated: its cell in the tables now.
    void CellActivated(const rules::CellRef& cell);

  private:
    ComparisonPanel* panel_ = nullptr;
    // Belongs to the editor, which may go first.
    QPointer<UndoKeys> undoKeys_;
};

}  // namespace ui
