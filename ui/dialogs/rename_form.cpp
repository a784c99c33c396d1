#include "ui/dialogs/rename_form.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>

#include "ui/widgets/accessibility.h"

namespace ui {

// "Cancel" is the cancel button, so Escape cancels.
TRenameForm::TRenameForm()
    : ModalDialog(QStringLiteral("TRenameForm"), QStringLiteral("New name"), QSize(195, 88),
                  DialogFrame(), true) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 177, 49);
    // Lowered outer and raised inner bevel: an etched frame.
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setMidLineWidth(0);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(7, 60, 82, 25);
    ok->setDefault(true);

    newName_ = new QLineEdit(panel);
    newName_->setObjectName(QStringLiteral("NewName"));
    newName_->setGeometry(16, 16, 145, 21);
    NameForScreenReaders(newName_, windowTitle());

    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button1"));
    cancel->setGeometry(104, 60, 82, 25);

    connect(ok, &QPushButton::clicked, this, &TRenameForm::OKButtonClick);
    connect(cancel, &QPushButton::clicked, this, &TRenameForm::Button1Click);
    setTabOrder(ok, newName_);
    setTabOrder(newName_, cancel);
}

void TRenameForm::SetNewName(const QString& name) { newName_->setText(name); }

QString TRenameForm::NewNameText() const { return newName_->text(); }

void TRenameForm::ShowModal() {
    accepted_ = false;
    if (!shownBefore_) {
        // The first time, Enter accepts the name unchanged; the user tabs or
        // clicks into the field to edit it.
        if (auto* ok = findChild<QPushButton*>(QStringLiteral("OKButton"))) ok->setFocus();
        shownBefore_ = true;
    }
    ExecCentred();
}

void TRenameForm::OKButtonClick() {
    accepted_ = true;
    accept();
}

void TRenameForm::Button1Click() { reject(); }

void TRenameForm::reject() {
    // Escape, "Cancel" and the close box all end here.
    accepted_ = false;
    QDialog::reject();
}

}  // namespace ui
