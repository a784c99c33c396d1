#pragma once

#include <array>
#include <string>

#include "rules/document/record_fields.h"
#include "ui/pages/record_page.h"

class QCheckBox;
class QLineEdit;

namespace rules {
struct UnitRecord;
}  // namespace rules

namespace ui {

class AdvanceChoiceBox;
class OutlineList;
class RadioGroup;

// The unit types: the list `OutUnit` and the form of the unit on show. Every
// change the user makes in the form goes at once into the unit on show.
class UnitsPage : public RecordPage {
    Q_OBJECT
  public:
    UnitsPage(DocumentEditor& editor, QWidget* parent = nullptr);

    // Handlers of the form, named after their controls.
    void OutUnitClick() { ShowSelected(); }
    void OutUnitDblClick() { RenameSelected(); }
    void DomainOfActivityClick(int index);
    void UnitRoleClick(int index);
    void CheckBoxClick(int k, bool checked);
    void GetObsoleteChange(const std::string& abbrev);
    void PrerequisiteChange(const std::string& abbrev);

  protected:
    void MakeForm() override;
    // Fills the unit list and the two advance choice lists (after reading).
    void Populate() override;
    void ShowRecord(int number) override;

  private:
    const rules::UnitRecord& Unit(int number) const;
    QLineEdit* AddNumberField(const QString& name, const QRect& place, const QString& initial,
                              rules::UnitField field);
    // Advances were renamed or re-abbreviated: the choice lists and the
    // unit on show name them anew.
    void AdvancesChanged(const QList<int>& advances);

    QLineEdit* moves_ = nullptr;
    QLineEdit* rounds_ = nullptr;
    QLineEdit* attack_ = nullptr;
    QLineEdit* hitPoints_ = nullptr;
    QLineEdit* cost_ = nullptr;
    QLineEdit* defense_ = nullptr;
    QLineEdit* firepower_ = nullptr;
    QLineEdit* hold_ = nullptr;
    RadioGroup* domain_ = nullptr;
    RadioGroup* role_ = nullptr;
    AdvanceChoiceBox* getObsolete_ = nullptr;
    AdvanceChoiceBox* prerequisite_ = nullptr;
    std::array<QCheckBox*, 15> checkBoxes_{};  // CheckBox1 .. CheckBox15
};

}  // namespace ui
