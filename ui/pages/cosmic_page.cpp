#include "ui/pages/cosmic_page.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include "rules/document/language.h"
#include "rules/document/record_fields.h"
#include "ui/edit/document_editor.h"
#include "ui/edit/typed_value.h"
#include "ui/edit/field_caption.h"
#include "ui/widgets/refusal_tint.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/readable_text.h"
#include "ui/codec/text_codec.h"

namespace ui {

namespace {
constexpr int kRowPitch = 24;
}

CosmicPage::CosmicPage(DocumentEditor& editor, QWidget* parent)
    : MadeWhenShown(parent), editor_(editor) {
    connect(&editor_, &DocumentEditor::FieldsChanged, this,
            [this](rules::SectionId section, const QList<int>& records) {
                if (section == rules::SectionId::Cosmic) ValuesChanged(records);
            });
    connect(&editor_, &DocumentEditor::Loaded, this, &CosmicPage::ShowValues);
    connect(&editor_, &DocumentEditor::Replaced, this, &CosmicPage::ShowValues);
}

void CosmicPage::Build() {
    // The descriptions are always the English comments, whatever the file's
    // language: they explain the fields, they are not what gets written.
    auto* memo = new QTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    NameForScreenReaders(memo, tr("What each value means"));
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
    // One edit block: the text is laid out once, not after every row.
    cursor.beginEditBlock();
    for (int k = 0; k < rules::kCosmicCount; ++k) {
        if (k > 0) cursor.insertBlock();
        cursor.setBlockFormat(rows);
        cursor.insertText(ToDisplay(english[k]));
    }
    cursor.endEditBlock();

    const auto& names = rules::CosmicNames();
    QWidget* previous = nullptr;
    for (int k = 0; k < rules::kCosmicCount; ++k) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(names[k]));
        field->setGeometry(8, kRowPitch * k, 41, 26);
        field->setFont(ComicFont(13));
        field->setText(QString::fromLatin1(names[k]));
        NameForScreenReaders(field, FieldCaption(rules::InfoOf(rules::CosmicFieldRef(k + 1))));
        // A value is a plain number, as on the Table page: anything else
        // ("3 4", "3;4") would be read back as another number. It is not
        // stored, and the field says why until it is mended or left.
        connect(field, &QLineEdit::textChanged, this, [this, field, k](const QString& text) {
            const rules::FieldRef ref = rules::CosmicFieldRef(k + 1);
            if (!editor_.Document().Parsed() || editor_.Document().Cosmic().LineOf(k) < 0) return;
            rules::ParsedValue value = ReadTypedValue(editor_.Document(), ref, text);
            ShowRefusal(field, QString::fromStdString(value.problem));
            if (!value.problem.empty()) return;
            storing_ = true;
            editor_.SetField(ref, std::move(value.stored), field->hasFocus());
            storing_ = false;
        });
        connect(field, &QLineEdit::editingFinished, this, [this, k] { ValuesChanged({k + 1}); });
        if (previous) setTabOrder(previous, field);
        previous = field;
        fields_[k] = field;
    }
    if (editor_.Document().Parsed()) ShowValues();
}

void CosmicPage::ShowValues() {
    QList<int> all;
    for (int k = 1; k <= rules::kCosmicCount; ++k) all << k;
    ValuesChanged(all);
}

void CosmicPage::ValuesChanged(const QList<int>& records) {
    // The field the user types into already shows its text; re-filling it
    // would move the cursor. Unbuilt fields are filled when they are made.
    if (storing_ || !Built()) return;
    const rules::CosmicSection& cosmic = editor_.Document().Cosmic();
    for (int record : records) {
        if (record < 1 || record > rules::kCosmicCount) continue;
        QLineEdit* field = fields_[static_cast<std::size_t>(record - 1)];
        ShowRefusal(field, {});
        const QString text = ToDisplay(cosmic.Value(record - 1));
        if (field->text() == text) continue;
        const QSignalBlocker blocker(field);
        field->setText(text);
    }
}

}  // namespace ui
