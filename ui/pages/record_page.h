#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <string>

class QLineEdit;

namespace ui {

class OutlineList;
class TRenameForm;

// What the Units and Advances pages share: a list of record names beside a
// form. Selecting an item shows that record; every edit goes at once into the
// record on show; double-click or Enter renames the selected record.
//
// Showing a record never changes it: the controls are filled with their
// change signals blocked, so a record that was only looked at is saved
// byte for byte as it was read.
class RecordPage : public QWidget {
    Q_OBJECT
  public:
    explicit RecordPage(QWidget* parent);

    // The dialog that renames records; the windows are created one after the
    // other, so it is attached once it exists.
    void SetRenameForm(TRenameForm* form) { renameForm_ = form; }

    // Fills the list with the names read from the file (once, after reading).
    // Pages with choice lists extend it to fill those too.
    virtual void Populate();
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
    OutlineList* Outline() const { return outline_; }

  signals:
    // The user changed a field of record `number`, or renamed it.
    void RecordChanged(int number);

  protected:
    // Subclasses create their list with its own name and place, then attach it.
    void AttachOutline(OutlineList* outline);

    virtual int RecordCount() const = 0;
    virtual std::string& RecordName(int number) = 0;
    // Fills the form from record `number`; implementations fill each control
    // without reporting it as an edit (ShowText, RadioGroup::SetIndex, ...).
    virtual void ShowRecord(int number) = 0;
    // Characters that end the fields of the record's line: refused in names
    // and in typed values, since they would split the line when it is read
    // again.
    virtual QString FieldSeparators() const = 0;

    // Shows the record selected in the list; the handler of the list's
    // selection (OutUnitClick / OutAdvancesClick).
    void ShowSelected();
    // Makes `number` the selected item and shows it.
    void JumpTo(int number);
    // Renames the selected record through the rename dialog.
    void RenameSelected();

    // Binds an edit field to a text field of the record on show: every change
    // the user makes is stored at once; text the file could not hold (a field
    // separator, a character outside its code page) is refused as it is typed.
    void BindEdit(QLineEdit* edit, std::function<std::string&(int number)> field);
    // The controls of the form: disabled until a record is shown, so with no
    // record (nothing was read) nothing can be changed.
    void SetFormControls(QList<QWidget*> controls);
    // Puts a stored text into an edit without it counting as an edit.
    static void ShowText(QLineEdit* edit, const std::string& text);

    bool HasRecord() const { return currentIndex_ > 0 && currentIndex_ <= RecordCount(); }
    // A change in the form is the user's and belongs to a record on show.
    bool EditAllowed() const { return HasRecord() && !showing_; }
    // Every handler of the form stores through this: when the change is the
    // user's, `change` writes it into record `number` (the one on show) and
    // whoever follows the tables is told; while a record is only being shown,
    // nothing happens.
    void StoreEdit(const std::function<void(int number)>& change);

  private:
    TRenameForm* renameForm_ = nullptr;
    OutlineList* outline_ = nullptr;
    QList<QWidget*> form_;
    int currentIndex_ = 0;
    int nextEntry_ = 0;
    bool showing_ = false;
};

}  // namespace ui
