#include "ui/pages/record_page.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "ui/widgets/outline_list.h"
#include "ui/dialogs/rename_prompt.h"
#include "ui/widgets/text_codec.h"

namespace ui {

RecordPage::RecordPage(QWidget* parent) : QWidget(parent) {}

void RecordPage::AttachOutline(OutlineList* outline) {
    outline_ = outline;
    connect(outline_, &OutlineList::ItemSelected, this, [this](int) { ShowSelected(); });
    connect(outline_, &OutlineList::RenameRequested, this, [this](int) { RenameSelected(); });
}

void RecordPage::Populate() {
    for (int k = 1; k <= RecordCount(); ++k) outline_->AppendItem(ToDisplay(RecordName(k)));
    // The click that activates the window may also have brought this page to
    // the front before the file was read; show the first record now.
    if (isVisible()) Enter();
}

void RecordPage::Enter() {
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
    showing_ = true;
    ShowRecord(number);
    showing_ = false;
}

void RecordPage::JumpTo(int number) {
    if (number < 1 || number > RecordCount()) return;
    outline_->SelectQuietly(number);
    ShowSelected();
}

void RecordPage::RenameSelected() {
    const int number = outline_->SelectedItem();
    if (number < 1 || number > RecordCount() || !renameForm_) return;
    std::optional<std::string> name =
        AskForNewName(*renameForm_, window(), RecordName(number), FieldSeparators());
    if (!name) return;
    RecordName(number) = *name;
    outline_->SetItemText(number, ToDisplay(*name));
    emit RecordChanged(number);
}

void RecordPage::BindEdit(QLineEdit* edit, std::function<std::string&(int number)> field) {
    edit->setValidator(new FileTextValidator(FieldSeparators(), edit));
    connect(edit, &QLineEdit::textChanged, this,
            [this, field = std::move(field)](const QString& text) {
                if (std::optional<std::string> bytes = FromDisplay(text))
                    StoreEdit([&](int number) { field(number) = *bytes; });
            });
}

void RecordPage::StoreEdit(const std::function<void(int number)>& change) {
    if (!EditAllowed()) return;
    change(currentIndex_);
    emit RecordChanged(currentIndex_);
}

void RecordPage::SetFormControls(QList<QWidget*> controls) {
    form_ = std::move(controls);
    for (QWidget* control : form_) control->setEnabled(false);
}

void RecordPage::ShowText(QLineEdit* edit, const std::string& text) {
    const QSignalBlocker blocker(edit);
    edit->setText(ToDisplay(text));
}

}  // namespace ui
