#pragma once

#include <array>
#include <string>

#include "ui/pages/record_page.h"

class QCheckBox;
class QLineEdit;

namespace rules {
class RulesDocument;
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
    UnitsPage(rules::RulesDocument& document, QWidget* parent = nullptr);

    // Fills the unit list and the two advance choice lists (once, after reading).
    void Populate() override;

    // Handlers of the form, named after their controls.
    void OutUnitClick() { ShowSelected(); }
    void OutUnitDblClick() { RenameSelected(); }
    void DomainOfActivityClick(int index);
    void UnitRoleClick(int index);
    void CheckBoxClick(int k, bool checked);
    void GetObsoleteChange(const std::string& abbrev);
    void PrerequisiteChange(const std::string& abbrev);

  protected:
    int RecordCount() const override;
    std::string& RecordName(int number) override;
    void ShowRecord(int number) override;
    QString FieldSeparators() const override { return QStringLiteral(","); }

  private:
    rules::UnitRecord& Unit(int number);
    QLineEdit* AddNumberField(const QString& name, const QRect& place, const QString& initial,
                              std::string rules::UnitRecord::*field);

    rules::RulesDocument& document_;
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
