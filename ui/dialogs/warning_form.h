#pragma once

#include "ui/dialogs/modal_dialog.h"

namespace ui {

// The start-up warning: the user agrees to edit the rules at their own risk.
class TWarningForm : public ModalDialog {
    Q_OBJECT
  public:
    TWarningForm();

    void ShowModal();
    // Set by "I agree"; "I don't agree" and the close box leave it false.
    bool Agreed() const { return agreed_; }

    void AgreeButtonClick();
    void DontAgreeButtonClick();

    static QStringList WarningLines();

  protected:
    void Build() override;

  private:
    bool agreed_ = false;
};

}  // namespace ui
