#include "ui/table/cell_delegate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "rules/document/field_values.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/table/record_table_model.h"
#include "ui/codec/text_codec.h"

namespace ui {

namespace {

int FieldOf(const QModelIndex& index) {
    return index.data(RecordTableModel::kFieldRole).toInt();
}

}  // namespace

CellDelegate::CellDelegate(const RecordTableModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    // A cell of a section without a form has no field: it is plain text.
    if (!index.data(RecordTableModel::kFieldRole).isValid()) {
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        edit->setObjectName(QStringLiteral("CellEditor"));
        return edit;
    }
    const rules::SectionId section = model_.Section();
    const int field = FieldOf(index);
    if (field < 0) return nullptr;
    QWidget* editor = nullptr;
    switch (rules::KindOf(section, field)) {
        case rules::FieldKind::Number: {
            auto* spin = new QSpinBox(parent);
            const rules::FieldRef ref{section, index.data(RecordTableModel::kRecordRole).toInt(), field};
            const rules::ValueRange range = rules::InfoOf(ref).range;
            spin->setRange(static_cast<int>(range.minimum), static_cast<int>(range.maximum));
            spin->setFrame(false);
            editor = spin;
            break;
        }
        case rules::FieldKind::Choice: {
            auto* box = new QComboBox(parent);
            for (const std::string& word : rules::ChoiceWords(section, field))
                box->addItem(QString::fromStdString(word));
            editor = box;
            break;
        }
        case rules::FieldKind::Advance: {
            auto* box = new QComboBox(parent);
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->addItem(QStringLiteral("nil"));
            for (const std::string& name : model_.Editor().Document().Advances().Names())
                box->addItem(ToDisplay(name));
            box->completer()->setCaseSensitivity(Qt::CaseInsensitive);
            box->completer()->setCompletionMode(QCompleter::PopupCompletion);
            editor = box;
            break;
        }
        case rules::FieldKind::Flags: editor = new FlagsEditor(parent); break;
        case rules::FieldKind::Name:
        case rules::FieldKind::Text: {
            auto* edit = new QLineEdit(parent);
            edit->setFrame(false);
            // No validator: what the cell cannot take is refused when it is
            // stored, with the reason said, as a paste is.
            editor = edit;
            break;
        }
    }
    editor->setObjectName(QStringLiteral("CellEditor"));
    return editor;
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
        spin->setValue(text.toInt());
    } else if (auto* box = qobject_cast<QComboBox*>(editor)) {
        if (box->isEditable()) {
            box->setEditText(text);
            // A key that opened the editor replaces the name, as in a spreadsheet.
            box->lineEdit()->selectAll();
        } else {
            // A value outside the words stays offered as it stands.
            if (box->findText(text) < 0) box->addItem(text);
            box->setCurrentIndex(box->findText(text));
        }
    } else if (auto* flags = qobject_cast<FlagsEditor*>(editor)) {
        flags->SetFlags(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
    }
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    QString text;
    if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
        // A spinner left at the number shown keeps the text as it stands ("07").
        spin->interpretText();
        const QString shown = index.data(Qt::EditRole).toString();
        bool isNumber = false;
        const int before = shown.toInt(&isNumber);
        text = isNumber && before == spin->value() ? shown : QString::number(spin->value());
    } else if (auto* box = qobject_cast<QComboBox*>(editor)) {
        text = box->currentText();
    } else if (auto* flags = qobject_cast<FlagsEditor*>(editor)) {
        text = flags->Flags();
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        text = edit->text();
    }
    if (text != index.data(Qt::EditRole).toString()) model->setData(index, text, Qt::EditRole);
}

void CellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    if (qobject_cast<FlagsEditor*>(editor)) {
        // The boxes need more room than a cell: they open below it, within
        // the view as far as it allows.
        const QSize size = editor->sizeHint();
        QRect place(option.rect.topLeft(), size);
        const QRect room = editor->parentWidget()->rect();
        if (place.bottom() > room.bottom()) place.moveBottom(room.bottom());
        if (place.top() < 0) place.moveTop(0);
        if (place.right() > room.right()) place.moveRight(room.right());
        editor->setGeometry(place);
        return;
    }
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
}

FlagsEditor::FlagsEditor(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(1);
    for (int k = 1; k <= rules::kFlagCount; ++k) {
        auto* box = new QCheckBox(QString::fromLatin1(rules::FlagCaption(k)).trimmed(), this);
        box->setObjectName(QStringLiteral("Flag%1").arg(k));
        connect(box, &QCheckBox::toggled, this, [this] { touched_ = true; });
        layout->addWidget(box);
    }
    setFocusPolicy(Qt::StrongFocus);
}

void FlagsEditor::SetFlags(const QString& flags) {
    original_ = flags;
    const std::string bytes = flags.toStdString();
    for (int k = 1; k <= rules::kFlagCount; ++k) {
        auto* box = findChild<QCheckBox*>(QStringLiteral("Flag%1").arg(k));
        const QSignalBlocker blocker(box);
        box->setChecked(rules::FlagIsSet(bytes, k));
    }
    touched_ = false;
}

QString FlagsEditor::Flags() const {
    if (!touched_) return original_;
    std::string flags = original_.toStdString();
    for (int k = 1; k <= rules::kFlagCount; ++k)
        rules::SetFlag(flags, k, findChild<QCheckBox*>(QStringLiteral("Flag%1").arg(k))->isChecked());
    return QString::fromStdString(flags);
}

}  // namespace ui
