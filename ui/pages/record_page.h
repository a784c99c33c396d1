#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <string>

#include "rules/document/findings.h"
#include "ui/widgets/made_when_shown.h"

class QLineEdit;

namespace rules {
class RulesDocument;
}

namespace ui {

class DocumentEditor;
class OutlineList;
class TRenameForm;

// What the Units and Advances pages share: a list of record names beside a
// form. Selecting an item shows that record; every edit of the form becomes a
// step on the editor's undo stack; double-click or Enter renames the selected
// record.
//
// The page holds no data of its own: it shows the tables and re-reads them
// whenever the editor says fields changed (an edit made anywhere, an undo, a
// redo). Showing a record never changes it: the controls are filled with
// their change signals blocked, so a record that was only looked at is saved
// byte for byte as it was read.
class RecordPage : public MadeWhenShown<QWidget> {
    Q_OBJECT
  public:
    RecordPage(DocumentEditor& editor, rules::SectionId section, QWidget* parent);

    // The dialog that renames records; the windows are created one after the
    // other, so it is attached once it exists.
    void SetRenameForm(TRenameForm* form) { renameForm_ = form; }

    // The page was brought to the front: select and show the first record,
    // or the one asked for by ShowOnNextEntry.
    void Enter();
    // Makes record `number` the one Enter shows, once; the user's own page
    // switches show the first record.
    void ShowOnNextEntry(int number) { nextEntry_ = number; }
    // The record ShowOnNextEntry asked for, until Enter shows it; 0 for none.
    int NextEntry() const { return nextEntry_; }
    // 1-based number of the record on show; 0 before any is shown.
    int CurrentIndex() const { return currentIndex_; }
    OutlineList* Outline() {
        EnsureBuilt();
        return outline_;
    }

  protected:
    // The form is made when the page is first shown or asked for, and then
    // shows the tables as they are.
    void Build() override;
    // Makes the page's controls.
    virtual void MakeForm() = 0;
    // Fills the list with the names read from the file (once built, after
    // reading, and again when the document was replaced as a whole). Pages
    // with choice lists extend it to fill those too.
    virtual void Populate();

    // Subclasses create their list with its own name and place, then attach it.
    void AttachOutline(OutlineList* outline);

    DocumentEditor& Editor() const { return editor_; }
    const rules::RulesDocument& Document() const;
    int RecordCount() const;
    const std::string& RecordName(int number) const;
    // Fills the form from record `number`; implementations fill each control
    // without reporting it as an edit (ShowText, RadioGroup::SetIndex, ...).
    virtual void ShowRecord(int number) = 0;
    // Fields of these records of this page's section changed: the list
    // follows their names, and the record on show is shown anew unless the
    // change is the one its form just made (re-filling the control the user
    // types into would move the cursor).
    virtual void RecordsChanged(const QList<int>& records);

    // Shows the record selected in the list; the handler of the list's
    // selection (OutUnitClick / OutAdvancesClick).
    void ShowSelected();
    // Makes `number` the selected item and shows it.
    void JumpTo(int number);
    // Shows the record on show again, as it is in the tables now.
    void ShowAgain();
    // Renames the selected record through the rename dialog.
    void RenameSelected();

    // Binds an edit field to field `field` of the record on show: every
    // change the field can take is stored at once; typing into it is one
    // step until the focus leaves it.
    void BindEdit(QLineEdit* edit, int field);
    // The controls of the form: disabled until a record is shown, so with no
    // record (nothing was read) nothing can be changed.
    void SetFormControls(QList<QWidget*> controls);
    // Puts a stored text into an edit without it counting as an edit; an
    // edit that already shows the text is left alone (cursor included).
    static void ShowText(QLineEdit* edit, const std::string& text);

    // Whether the change being announced is the one the form is making.
    bool Storing() const { return storing_; }
    bool HasRecord() const { return currentIndex_ > 0 && currentIndex_ <= RecordCount(); }
    // A change in the form is the user's and belongs to a record on show.
    bool EditAllowed() const { return HasRecord() && !showing_; }
    // Every handler of the form stores through this: when the change is the
    // user's, field `field` of the record on show gets `value` as one step
    // (`typing`: keystrokes, which fold into one step); while a record is
    // only being shown, nothing happens.
    void StoreField(int field, std::string value, bool typing = false);

  private:
    DocumentEditor& editor_;
    rules::SectionId section_;
    TRenameForm* renameForm_ = nullptr;
    OutlineList* outline_ = nullptr;
    QList<QWidget*> form_;
    int currentIndex_ = 0;
    int nextEntry_ = 0;
    bool showing_ = false;
    bool storing_ = false;  // the form itself is making the change
};

// Whether the keyboard focus is in `control` or one of its parts (the edit
// of a combo box): a change it reports is then being typed.
bool HasFocusWithin(const QWidget* control);

}  // namespace ui
