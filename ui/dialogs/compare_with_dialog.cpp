#include "ui/dialogs/compare_with_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "rules/document/rules_document.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/edit/document_editor.h"
#include "ui/edit/undo_keys.h"
#include "ui/window_placement.h"
#include "ui/widgets/comparison_panel.h"
#include "ui/widgets/differences_view.h"

namespace ui {

CompareWithDialog::CompareWithDialog(DocumentEditor& editor,
                                     std::shared_ptr<const rules::RulesDocument> theirs,
                                     const QString& fileName, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CompareWithDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString shown = QDir::toNativeSeparators(fileName);
    setWindowTitle(tr("Compare With %1").arg(QFileInfo(fileName).fileName()));
    // A dialog of the desktop, not of the designed window: its own font.
    setFont(QApplication::font(this));
    resize(600, 520);

    auto* note = new QLabel(
        tr("What differs between the tables now and %1, each line as now -> theirs. Take theirs "
           "copies their values of the selected lines into the tables, as one step you can undo; "
           "nothing is written until Save Changes. Lines outside the sections are shown but not "
           "taken. Double-click a line to see its record.")
            .arg(shown),
        this);
    note->setWordWrap(true);
    note->setTextInteractionFlags(Qt::TextSelectableByMouse);

    panel_ = new ComparisonPanel(editor, ComparisonPanel::Order::NowToTheirs, this);
    panel_->Show(std::move(theirs));
    connect(panel_, &ComparisonPanel::RecordActivated, this, &CompareWithDialog::RecordActivated);
    connect(panel_, &ComparisonPanel::CellActivated, this, &CompareWithDialog::CellActivated);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // Enter in the list shows a record; it must not close the dialog.
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(note);
    column->addWidget(panel_, 1);
    column->addWidget(buttons);

    // The keyboard starts in the list: arrows choose, Alt+T takes.
    panel_->View()->setFocus();
    // Beside the window, so a record shown on its page stays in sight.
    if (parent) PlaceBesideWindow(this, parent->window());

    // Ctrl+Z here undoes a take as it would in the window.
    undoKeys_ = new UndoKeys(this, editor);
}

// The keys watch for this window by its address; a later window could be
// given the same one.
CompareWithDialog::~CompareWithDialog() { delete undoKeys_.data(); }

CompareWithDialog* CompareWithDialog::Open(DocumentEditor& editor, const QString& fileName,
                                           QWidget* parent) {
    auto theirs = std::make_shared<rules::RulesDocument>();
    // Read in the tables' language: it only names the file a save would
    // write, and this one is never saved.
    const rules::Status read =
        theirs->Load(QFile::encodeName(fileName).toStdString(), editor.Document().GetLanguage());
    if (!read) {
        ShowErrorBox(parent, tr("%1 cannot be compared: %2")
                                 .arg(QDir::toNativeSeparators(fileName),
                                      QString::fromStdString(read.message)));
        return nullptr;
    }
    theirs->Parse();
    // Compared, any other file would list every record as removed.
    if (!theirs->HoldsRules() && !ConfirmNotARulesFile(parent, QDir::toNativeSeparators(fileName)))
        return nullptr;
    return new CompareWithDialog(editor, std::move(theirs), fileName, parent);
}

}  // namespace ui
