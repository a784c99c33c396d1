#pragma once

#include <QDialog>

class QLineEdit;

namespace ui {

// Edits one name. The caller presets the name, shows the dialog, and takes
// the text back only when the user confirmed.
class TRenameForm : public QDialog {
    Q_OBJECT
public:
    explicit TRenameForm(QWidget* parent = nullptr);

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
