#pragma once

#include "ui/dialogs/modal_dialog.h"

class QLineEdit;

namespace ui {

// Edits one name. The caller presets the name, shows the dialog, and takes
// the text back only when the user confirmed.
class TRenameForm : public ModalDialog {
    Q_OBJECT
  public:
    TRenameForm();

    void SetNewName(const QString& name);
    QString NewNameText() const;
    // Shows the dialog modally; afterwards RenameAccepted() tells whether the
    // user confirmed with "OK".
    void ShowModal();
    bool RenameAccepted() const { return accepted_; }

    void OKButtonClick();
    void Button1Click();

  protected:
    void reject() override;

  private:
    QLineEdit* newName_;
    bool accepted_ = false;
    bool shownBefore_ = false;
};

}  // namespace ui
