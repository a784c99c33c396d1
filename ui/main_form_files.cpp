// The File menu's commands that bring in another file: an earlier version,
// a file to compare with, a file to merge.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "rules/versions/version_store.h"
#include "ui/dialogs/compare_with_dialog.h"
#include "ui/dialogs/earlier_versions_dialog.h"
#include "ui/dialogs/merge_dialog.h"
#include "ui/dialogs/message_boxes.h"
#include "ui/edit/document_editor.h"
#include "ui/main_form.h"

namespace ui {

void TMainForm::EarlierVersionsClick() {
    editor_->CommitPendingEdits();
    if (!Document().Parsed()) {
        ShowInformationBox(this, tr("No rules file was loaded, so there are no versions of it."));
        return;
    }
    std::vector<rules::KeptVersion> versions =
        rules::VersionStore(DocumentEditor::VersionsRoot(), Document().TargetFileName()).List();
    if (versions.empty()) {
        ShowInformationBox(this, tr("No earlier version of %1 is kept yet: each Save Changes "
                                    "keeps the file it replaces in %2.")
                                     .arg(QString::fromStdString(Document().TargetFileName()),
                                          QDir::toNativeSeparators(editor_->VersionsFolder())));
        return;
    }
    EarlierVersionsDialog dialog(*editor_, std::move(versions), this);
    connect(&dialog, &EarlierVersionsDialog::RecordActivated, this, &TMainForm::GoToRecord);
    connect(&dialog, &EarlierVersionsDialog::CellActivated, this, &TMainForm::GoToCell);
    dialog.exec();
}

void TMainForm::CompareWithClick() {
    editor_->CommitPendingEdits();
    if (!Document().Parsed()) {
        ShowInformationBox(this, tr("No rules file was loaded, so there is nothing to compare."));
        return;
    }
    // Any file: the name decides nothing, a rules file of any language reads alike.
    QFileDialog chooser(this, tr("Compare With"),
                        QFileInfo(QString::fromStdString(Document().TargetFileName())).absolutePath(),
                        tr("Rules files (*.txt *.fre *.ger);;All files (*)"));
    chooser.setObjectName(QStringLiteral("CompareWithFileDialog"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setFileMode(QFileDialog::ExistingFile);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return;
    if (CompareWithDialog* dialog = CompareWithDialog::Open(*editor_, chooser.selectedFiles().first(), this)) {
        connect(dialog, &CompareWithDialog::RecordActivated, this, &TMainForm::GoToRecord);
        connect(dialog, &CompareWithDialog::CellActivated, this, &TMainForm::GoToCell);
        dialog->show();
        dialog->activateWindow();
    }
}

void TMainForm::MergeClick() {
    editor_->CommitPendingEdits();
    if (!Document().Parsed()) {
        ShowInformationBox(this, tr("No rules file was loaded, so there is nothing to merge into."));
        return;
    }
    if (MergeDialog* dialog = MergeDialog::Run(*editor_, this)) {
        connect(dialog, &MergeDialog::RecordActivated, this, &TMainForm::GoToRecord);
        connect(dialog, &MergeDialog::CellActivated, this, &TMainForm::GoToCell);
    }
}

}  // namespace ui
