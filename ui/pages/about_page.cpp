#include "ui/pages/about_page.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "ui/widgets/fonts.h"
#include "ui/widgets/readable_text.h"
#include "ui/widgets/widget_helpers.h"
#include "ui/widgets/accessibility.h"

namespace ui {

namespace {
QLabel* TitleLabel(const QString& text, const QString& name, const QRect& place, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    QFont font = ComicFont(20);
    font.setItalic(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    // A palette, not a style sheet: the first style sheet costs the window's
    // opening some milliseconds.
    SetTextColour(label, QColor(64, 128, 128));
    return label;
}
}  // namespace

QStringList AboutPage::NoticeLines() {
    return {
        QStringLiteral("Ovantra II is a trademark of its publisher."),
        QString(),
        QStringLiteral("The publisher of the game is not responsible for the effects of this program."),
        QString(),
        QStringLiteral("The aim of this program is to help you modify the rules file in order to make your own scenarii easily."),
        QStringLiteral("In this version you can modify:"),
        QStringLiteral("\tthe Units properties, "),
        QStringLiteral("\tthe Ovantra advances,"),
        QStringLiteral("\tthe Cosmic values."),
        QString(),
        QStringLiteral("It is HIGHLY recommended to make a copy of your original Rules file (french,english or german)."),
        QStringLiteral("You are allowed to use this file at your own risks."),
        QString(),
        QStringLiteral("This program is free to copy and share; it runs on desktop systems with a graphical display."),
        QStringLiteral("A 16-bit version will be released as soon as possible."),
        QString(),
        QStringLiteral("Remarks and ideas are welcome by e-mail to the maker of this editor."),
        QString(),
        QStringLiteral("R.F.E. team, December 2026"),
    };
}

QStringList AboutPage::PostCardLines() {
    return {
        QStringLiteral("If you like this program, send a post card from the place where you live"),
        QStringLiteral("to its maker:"),
        QString(),
        QStringLiteral("    The Rules File Editor team"),
        QStringLiteral("    12 Lantern Lane"),
        QStringLiteral("    Harbourtown"),
        QString(),
        QStringLiteral("Thank you!"),
        QString(),
        QStringLiteral("PS:if you can see some letters, replace them by 'e'"),
    };
}

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
    TitleLabel(QStringLiteral("Ovantra II Rules File Editor 1.01"), QStringLiteral("Label18"),
               QRect(8, 8, 345, 28), this);

    auto* notices = new QPlainTextEdit(this);
    notices->setObjectName(QStringLiteral("Memo2"));
    NameForScreenReaders(notices, tr("Notices"));
    notices->setGeometry(8, 40, 601, 273);
    notices->setPlainText(NoticeLines().join(QLatin1Char('\n')));
    notices->setReadOnly(true);
    notices->setEnabled(false);
    KeepDisabledTextReadable(notices);
    notices->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    notices->setTabStopDistance(40);

    TitleLabel(QStringLiteral("Freeware"), QStringLiteral("Label22"), QRect(8, 320, 126, 28), this);

    auto* postCard = new QPlainTextEdit(this);
    postCard->setObjectName(QStringLiteral("Memo3"));
    NameForScreenReaders(postCard, tr("Freeware"));
    postCard->setGeometry(8, 360, 601, 145);
    postCard->setPlainText(PostCardLines().join(QLatin1Char('\n')));
    // Tab moves on to the next control, so the window's tab order works from
    // this page too.
    postCard->setTabChangesFocus(true);
}

}  // namespace ui
