#include "ui/pages/record_page.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalBlocker>

#include "rules/document/record_fields.h"
#include "ui/dialogs/rename_prompt.h"
#include "ui/edit/document_editor.h"
#include "ui/edit/typed_value.h"
#include "ui/edit/field_caption.h"
#include "ui/widgets/refusal_tint.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/outline_list.h"
#include "ui/codec/text_codec.h"

namespace ui {

bool HasFocusWithin(const QWidget* control) {
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == control || control->isAncestorOf(focus) ||
                     focus->focusProxy() == control);
}

RecordPage::RecordPage(DocumentEditor& editor, rules::SectionId section, QWidget* parent)
    : MadeWhenShown(parent), editor_(editor), section_(section) {
    connect(&editor_, &DocumentEditor::FieldsChanged, this,
            [this](rules::SectionId section, const QList<int>& records) {
                if (Built() && section == section_) RecordsChanged(records);
            });
    // A file read or a document replaced as a whole: the list is built anew.
    for (auto whole : {&DocumentEditor::Loaded, &DocumentEditor::Replaced}) {
        connect(&editor_, whole, this, [this] {
            if (Built()) Populate();
        });
    }
}

void RecordPage::Build() {
    MakeForm();
    Populate();
}

const rules::RulesDocument& RecordPage::Document() const { return editor_.Document(); }

int RecordPage::RecordCount() const { return rules::RecordCount(Document(), section_); }

const std::string& RecordPage::RecordName(int number) const {
    return rules::FieldText(Document(), {section_, number, 0});
}

void RecordPage::AttachOutline(OutlineList* outline) {
    outline_ = outline;
    connect(outline_, &OutlineList::ItemSelected, this, [this](int) { ShowSelected(); });
    connect(outline_, &OutlineList::RenameRequested, this, [this](int) { RenameSelected(); });
}

void RecordPage::Populate() {
    {
        const QSignalBlocker blocker(outline_);
        outline_->clear();
    }
    for (int k = 1; k <= RecordCount(); ++k) outline_->AppendItem(ToDisplay(RecordName(k)));
    if (currentIndex_ > RecordCount()) currentIndex_ = 0;
    if (HasRecord()) {
        // The document was replaced: keep showing the same place.
        JumpTo(currentIndex_);
    } else if (isVisible()) {
        // The click that activates the window may also have brought this page
        // to the front before the file was read; show the first record now.
        Enter();
    }
}

void RecordPage::Enter() {
    EnsureBuilt();
    const int number = nextEntry_ >= 1 && nextEntry_ <= RecordCount() ? nextEntry_ : 1;
    nextEntry_ = 0;
    if (RecordCount() == 0) return;  // nothing was read: nothing to show or change
    outline_->SelectQuietly(number);
    ShowSelected();
}

void RecordPage::ShowSelected() {
    const int number = outline_->SelectedItem();
    if (number < 1 || number > RecordCount()) return;
    currentIndex_ = number;
    for (QWidget* control : form_) control->setEnabled(true);
    ShowAgain();
}

void RecordPage::ShowAgain() {
    if (!HasRecord()) return;
    showing_ = true;
    ShowRecord(currentIndex_);
    showing_ = false;
}

void RecordPage::JumpTo(int number) {
    if (number < 1 || number > RecordCount()) return;
    outline_->SelectQuietly(number);
    ShowSelected();
}

void RecordPage::RecordsChanged(const QList<int>& records) {
    for (int number : records) {
        if (number < 1 || number > RecordCount()) continue;
        const QString name = ToDisplay(RecordName(number));
        if (outline_->ItemText(number) != name) outline_->SetItemText(number, name);
    }
    if (!storing_ && records.contains(currentIndex_)) ShowAgain();
}

void RecordPage::RenameSelected() {
    const int number = outline_->SelectedItem();
    if (number < 1 || number > RecordCount() || !renameForm_) return;
    const rules::FieldRef ref{section_, number, 0};
    std::optional<std::string> name = AskForNewName(*renameForm_, window(), Document(), ref);
    if (!name) return;
    editor_.SetField(ref, std::move(*name));
}

void RecordPage::BindEdit(QLineEdit* edit, int field) {
    NameForScreenReaders(edit, FieldCaption(rules::InfoOf(section_, field)));
    KeepTextWhileDisabled(edit);
    // Typed text and a spinner's step both arrive here; what the user types
    // while the field has the focus folds into one step. A text the field
    // cannot take (as the Table page would refuse it) is not stored: the
    // edit is tinted with the reason until it is mended or left.
    connect(edit, &QLineEdit::textChanged, this, [this, edit, field](const QString& text) {
        if (!EditAllowed()) return;
        rules::ParsedValue value = ReadTypedValue(Document(), {section_, currentIndex_, field}, text);
        ShowRefusal(edit, QString::fromStdString(value.problem));
        if (value.problem.empty()) StoreField(field, std::move(value.stored), edit->hasFocus());
    });
    // Left with a refused text, the edit shows what is stored again.
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, field] {
        if (!ShowsRefusal(edit) || !HasRecord()) return;
        ShowRefusal(edit, {});
        ShowText(edit, rules::FieldText(Document(), {section_, currentIndex_, field}));
    });
}

void RecordPage::StoreField(int field, std::string value, bool typing) {
    if (!EditAllowed()) return;
    storing_ = true;
    editor_.SetField({section_, currentIndex_, field}, std::move(value), typing);
    storing_ = false;
}

void RecordPage::SetFormControls(QList<QWidget*> controls) {
    form_ = std::move(controls);
    for (QWidget* control : form_) control->setEnabled(false);
}

void RecordPage::ShowText(QLineEdit* edit, const std::string& text) {
    ShowRefusal(edit, {});
    const QString shown = ToDisplay(text);
    if (edit->text() == shown) return;
    const QSignalBlocker blocker(edit);
    edit->setText(shown);
}

}  // namespace ui
