#include "ui/pages/cosmic_page.h"

#include <QLineEdit>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "rules/document/language.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/readable_text.h"
#include "ui/widgets/text_codec.h"

namespace ui {

namespace {
constexpr int kRowPitch = 24;
}

CosmicPage::CosmicPage(QWidget* parent) : QWidget(parent) {
    // The descriptions are always the English comments, whatever the file's
    // language: they explain the fields, they are not what gets written.
    auto* memo = new QTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setGeometry(48, 0, 529, 513);
    memo->setFont(ComicFont(17));
    memo->setReadOnly(true);
    memo->setEnabled(false);
    KeepDisabledTextReadable(memo);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->document()->setDocumentMargin(2);
    QTextCursor cursor(memo->document());
    QTextBlockFormat rows;
    rows.setLineHeight(kRowPitch, QTextBlockFormat::FixedHeight);
    const auto& english = rules::CosmicComments(rules::Language::English);
    for (int k = 0; k < rules::kCosmicCount; ++k) {
        if (k > 0) cursor.insertBlock();
        cursor.setBlockFormat(rows);
        cursor.insertText(ToDisplay(english[k]));
    }

    const auto& names = rules::CosmicNames();
    QWidget* previous = nullptr;
    for (int k = 0; k < rules::kCosmicCount; ++k) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(names[k]));
        field->setGeometry(8, kRowPitch * k, 41, 26);
        field->setFont(ComicFont(13));
        field->setText(QString::fromLatin1(names[k]));
        field->setValidator(new FileTextValidator(QString(), field));
        connect(field, &QLineEdit::textEdited, this, [this, k] { emit ValueEdited(k); });
        if (previous) setTabOrder(previous, field);
        previous = field;
        fields_[k] = field;
    }
}

void CosmicPage::ShowValues(const rules::CosmicSection& cosmic) {
    for (int k = 0; k < rules::kCosmicCount; ++k) {
        if (cosmic.LineOf(k) >= 0) fields_[k]->setText(ToDisplay(cosmic.Value(k)));
    }
}

void CosmicPage::StoreValues(rules::CosmicSection& cosmic) const {
    for (int k = 0; k < rules::kCosmicCount; ++k) {
        if (std::optional<std::string> bytes = FromDisplay(fields_[k]->text())) {
            cosmic.SetValue(k, *bytes);
        }
    }
}

}  // namespace ui
