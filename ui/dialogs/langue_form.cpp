#include "ui/dialogs/langue_form.h"

#include <QPushButton>
#include <QRadioButton>

#include "ui/widgets/fonts.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/widget_helpers.h"

namespace ui {

// A tool window: small caption bar with a close box. It has no cancel
// button, so Escape does nothing.
TLangueForm::TLangueForm()
    : ModalDialog(QStringLiteral("TLangueForm"), QStringLiteral("Text Tong"), QSize(130, 187),
                  Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint, false) {}

void TLangueForm::Build() {
    langue_ = new RadioGroup(
        QStringLiteral(" Language "),
        {QStringLiteral("English"), QStringLiteral("Fran\u00e7ais"), QStringLiteral("Deutsch")}, 1,
        this);
    langue_->setObjectName(QStringLiteral("Langue"));
    langue_->setGeometry(0, 0, 129, 153);
    langue_->setFont(ComicFont(19));
    SetTextColour(langue_, QColor(128, 0, 255));  // caption and items alike
    langue_->SetIndex(0);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(0, 160, 65, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(64, 160, 65, 25);
    connect(ok, &QPushButton::clicked, this, &TLangueForm::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &TLangueForm::CancelButtonClick);

    // Focus starts on the selected language, then Ok, then Cancel.
    auto* first = langue_->findChildren<QRadioButton*>().value(0);
    setTabOrder(first, ok);
    setTabOrder(ok, cancel);
}

void TLangueForm::ShowModal() {
    EnsureBuilt();
    if (auto* checked = langue_->findChildren<QRadioButton*>().value(langue_->Index())) {
        checked->setFocus();
    }
    ExecCentred();
}

int TLangueForm::SelectedLanguage() const {
    return !langue_ || langue_->Index() < 0 ? 0 : langue_->Index();
}

void TLangueForm::OkButtonClick() {
    cancelled_ = false;
    accept();
}

void TLangueForm::CancelButtonClick() {
    cancelled_ = true;
    reject();
}

}  // namespace ui
