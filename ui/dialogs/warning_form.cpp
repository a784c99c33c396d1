#include "ui/dialogs/warning_form.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/widgets/fonts.h"
#include "ui/widgets/readable_text.h"
#include "ui/widgets/widget_helpers.h"

namespace ui {

QStringList TWarningForm::WarningLines() {
    return {
        QStringLiteral("OVANTRA II RULES FILE"),
        QStringLiteral("The game's data belongs to its publisher."),
        QString(),
        QStringLiteral("This file can be altered at your own risk to change"),
        QStringLiteral("the rules of the game.  Keep in mind that altering the"),
        QStringLiteral("contents of this file may cause your game to malfunction,"),
        QStringLiteral("particularly if you use values outside the specified"),
        QStringLiteral("ranges."),
        QString(),
        QStringLiteral("This program may not work with a rules file other than the"),
        QStringLiteral("original rules file."),
        QString(),
        QStringLiteral("R.F.E.  14 December 2026, Harbourtown"),
        QString(),
        QStringLiteral("Check the About page."),
    };
}

// No default and no cancel button: Escape does nothing, the user chooses.
TWarningForm::TWarningForm()
    : ModalDialog(QStringLiteral("TWarningForm"), QStringLiteral("Warning Window"), QSize(403, 402),
                  DialogFrame(), false) {}

void TWarningForm::Build() {
    auto* title = new QLabel(QStringLiteral("Warning"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(ComicFont(24));
    title->adjustSize();
    title->move(144, 8);

    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(16, 48, 369, 297);
    memo->setFont(ComicFont(13));
    memo->setPlainText(WarningLines().join(QLatin1Char('\n')));
    memo->setReadOnly(true);
    memo->setEnabled(false);
    KeepDisabledTextReadable(memo);
    memo->setFocusPolicy(Qt::NoFocus);

    auto* agree = new QPushButton(QStringLiteral("I agree"), this);
    agree->setObjectName(QStringLiteral("AgreeButton"));
    agree->setGeometry(16, 360, 169, 33);
    agree->setFont(SansFont(19));
    auto* dontAgree = new QPushButton(QStringLiteral("I don't agree"), this);
    dontAgree->setObjectName(QStringLiteral("DontAgreeButton"));
    dontAgree->setGeometry(216, 360, 169, 33);
    dontAgree->setFont(SansFont(19));
    SetTextColour(dontAgree, Qt::red);
    connect(agree, &QPushButton::clicked, this, &TWarningForm::AgreeButtonClick);
    connect(dontAgree, &QPushButton::clicked, this, &TWarningForm::DontAgreeButtonClick);
    setTabOrder(agree, dontAgree);
}

void TWarningForm::ShowModal() {
    EnsureBuilt();
    if (auto* agree = findChild<QPushButton*>(QStringLiteral("AgreeButton"))) agree->setFocus();
    ExecCentred();
}

void TWarningForm::AgreeButtonClick() {
    agreed_ = true;
    accept();
}

void TWarningForm::DontAgreeButtonClick() {
    agreed_ = false;
    reject();
}

}  // namespace ui
