#pragma once

#include <initializer_list>
#include <string>

#include "ui/pages/record_page.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace ui {

class AdvanceChoiceBox;
class OutlineList;
class RadioGroup;

// The advances: the list `OutAdvances`, the form of the advance on show, and
// the buttons that walk the tree of prerequisites back to what an advance
// needs and forward to the first advance it allows.
class AdvancesPage : public RecordPage {
    Q_OBJECT
  public:
    AdvancesPage(DocumentEditor& editor, QWidget* parent = nullptr);

    // The abbreviation `GotoNext` jumps to; empty when the advance on show
    // allows nothing.
    const std::string& NextTargetAbbrev() const { return nextTargetAbbrev_; }

    // Jumps to the first or second prerequisite of the advance on show, or to
    // the advance it allows. A target that no advance has (the box was changed
    // to "nil" since, or the file names an unknown abbreviation) does nothing.
    void GOTO1Click();
    void GOTO2Click();
    void GotoNextClick();

  protected:
    // The Go-to captions name advances: shown again in the new language.
    void changeEvent(QEvent* event) override;
    void MakeForm() override;
    // Fills the list and the two prerequisite boxes with the names read.
    void Populate() override;
    // OutAdvancesClick: fills the form from advance `number`.
    void ShowRecord(int number) override;
    // Renamed advances are renamed in the prerequisite boxes too.
    void RecordsChanged(const QList<int>& records) override;

  private:
    void ShowPrerequisite(AdvanceChoiceBox* box, QPushButton* button, const std::string& abbrev);
    // The Go-to button of a box that shows advance `number` (0: none).
    static void FollowPrerequisite(AdvanceChoiceBox* box, QPushButton* button, int number);
    void ShowNextTarget(int number);
    void JumpToAbbrev(const std::string& abbrev);
    // Right-click help: `owners` open `menu` instead of their own menus.
    void AttachHelpMenu(QMenu* menu, std::initializer_list<QWidget*> owners);

    QLineEdit* aiValue_ = nullptr;
    QLineEdit* aiModif_ = nullptr;
    AdvanceChoiceBox* preBox1_ = nullptr;
    AdvanceChoiceBox* preBox2_ = nullptr;
    QPushButton* goto1_ = nullptr;
    QPushButton* goto2_ = nullptr;
    QPushButton* gotoNext_ = nullptr;
    RadioGroup* epoch_ = nullptr;
    RadioGroup* category_ = nullptr;
    std::string nextTargetAbbrev_;
};

}  // namespace ui
