#pragma once

#include "ui/dialogs/modal_dialog.h"

class QPushButton;

namespace ui {

class RadioGroup;

// Asks which language edition of the rules file to load.
class TLangueForm : public ModalDialog {
    Q_OBJECT
  public:
    TLangueForm();

    // Shows the dialog modally and returns when it has closed.
    void ShowModal();
    // Set by "Cancel", cleared by "Ok"; the close box leaves it as it was.
    bool LanguageCancelled() const { return cancelled_; }
    // 0 English, 1 French, 2 German.
    int SelectedLanguage() const;

    void OkButtonClick();
    void CancelButtonClick();

  protected:
    void Build() override;

  private:
    RadioGroup* langue_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace ui
