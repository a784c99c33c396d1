#include "ui/pages/units_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>

#include "rules/document/field_values.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/widgets/advance_choice_box.h"
#include "ui/widgets/numeric_text.h"
#include "ui/widgets/outline_list.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/up_down.h"
#include "ui/widgets/widget_helpers.h"
#include "ui/edit/field_caption.h"
#include "ui/widgets/accessibility.h"

namespace ui {

namespace {

const QColor kMaroon(128, 0, 0);
const QColor kBlue(0, 0, 255);

}  // namespace

UnitsPage::UnitsPage(DocumentEditor& editor, QWidget* parent)
    : RecordPage(editor, rules::SectionId::Units, parent) {}

void UnitsPage::MakeForm() {
    auto* outline = new OutlineList(this);
    outline->setObjectName(QStringLiteral("OutUnit"));
    NameForScreenReaders(outline, tr("Units"));
    outline->setGeometry(8, 8, 153, 505);
    BindText(outline, "toolTip", UI_TEXT("Double-click or press <Enter> to edit name"));
    AttachOutline(outline);

    // Left column of values, then the domain, then the right column; the
    // creation order is the keyboard's tab order.
    MakeLabel(QStringLiteral("Label3"), UI_TEXT("Maximum moves in a turn"),
              QRect(168, 8, 0, 0), this);
    moves_ = AddNumberField(QStringLiteral("MovesInARound"), QRect(304, 8, 33, 21),
                            QStringLiteral("1"), rules::UnitField::Moves);
    MakeLabel(QStringLiteral("Label4"), UI_TEXT("Number of rounds in flight ?"),
              QRect(168, 40, 0, 0), this, UI_TEXT("This affects the air units"));
    rounds_ = AddNumberField(QStringLiteral("RoundsInFlight"), QRect(304, 40, 33, 21),
                             QStringLiteral("0"), rules::UnitField::Rounds);
    MakeLabel(QStringLiteral("Label5"), UI_TEXT("Attack strength"), QRect(168, 72, 0, 0),
              this);
    attack_ = AddNumberField(QStringLiteral("AttackStength"), QRect(304, 72, 33, 21),
                             QStringLiteral("0"), rules::UnitField::Attack);
    MakeLabel(QStringLiteral("Label7"), UI_TEXT("Hit points"), QRect(168, 104, 0, 0), this,
              UI_TEXT("Amount of dommage the unit can take"));
    hitPoints_ = AddNumberField(QStringLiteral("HitPoints"), QRect(304, 104, 33, 21),
                                QStringLiteral("1"), rules::UnitField::HitPoints);
    MakeLabel(QStringLiteral("Label9"), UI_TEXT("Shields cost"), QRect(168, 136, 0, 0), this,
              UI_TEXT("Number of shields row to build it"));
    cost_ = AddNumberField(QStringLiteral("ShieldCost"), QRect(304, 136, 33, 21),
                           QStringLiteral("1"), rules::UnitField::Cost);

    domain_ = new RadioGroup(UI_TEXT(" Domain of Activity ? "),
                             ChoiceItems(rules::SectionId::Units, int(rules::UnitField::Domain)),
                             3, this);
    domain_->setObjectName(QStringLiteral("DomainOfActivity"));
    domain_->setGeometry(368, 8, 241, 49);
    connect(domain_, &RadioGroup::IndexChosen, this, &UnitsPage::DomainOfActivityClick);

    MakeLabel(QStringLiteral("Label2"), UI_TEXT("Defense Strength"), QRect(376, 72, 0, 0),
              this);
    defense_ = AddNumberField(QStringLiteral("DefenseStrength"), QRect(480, 72, 33, 21),
                              QStringLiteral("0"), rules::UnitField::Defense);
    MakeLabel(QStringLiteral("Label11"), UI_TEXT("Fire Power"), QRect(376, 104, 0, 0), this);
    firepower_ = AddNumberField(QStringLiteral("FirePower"), QRect(480, 104, 33, 21),
                                QStringLiteral("1"), rules::UnitField::Firepower);
    MakeLabel(QStringLiteral("Label13"), UI_TEXT("Holds On Ship"), QRect(376, 136, 0, 0),
              this);
    hold_ = AddNumberField(QStringLiteral("HoldShip"), QRect(480, 136, 33, 21), QStringLiteral("0"),
                           rules::UnitField::Hold);

    // Spinners: only the moves wrap around; the edits themselves take any text.
    using F = rules::UnitField;
    const std::pair<QLineEdit*, F> spins[] = {
        {moves_, F::Moves}, {rounds_, F::Rounds},       {attack_, F::Attack},
        {hitPoints_, F::HitPoints}, {cost_, F::Cost},   {defense_, F::Defense},
        {firepower_, F::Firepower}, {hold_, F::Hold}};
    int n = 0;
    for (const auto& [edit, field] : spins) {
        const rules::ValueRange range = rules::InfoOf(rules::SectionId::Units, int(field)).range;
        auto* upDown = new UpDown(edit, range.minimum, range.maximum, field == F::Moves, this);
        upDown->setObjectName(QStringLiteral("UpDown%1").arg(++n));
    }

    MakeLabel(QStringLiteral("Label14"), UI_TEXT("When does it become obsolete ?"),
              QRect(168, 168, 0, 0), this);
    getObsolete_ = new AdvanceChoiceBox(Document().Advances(), this);
    getObsolete_->setObjectName(QStringLiteral("GetObsolete"));
    NameForScreenReaders(getObsolete_, FieldCaption(rules::InfoOf(rules::SectionId::Units, int(rules::UnitField::ObsoleteBy))));
    getObsolete_->SetValueName(QStringLiteral("obsolete-by advance"));
    getObsolete_->setGeometry(168, 184, 145, 21);
    MakeLabel(QStringLiteral("Label15"), UI_TEXT("Prerequisite Advance"),
              QRect(336, 168, 0, 0), this);
    prerequisite_ = new AdvanceChoiceBox(Document().Advances(), this);
    prerequisite_->setObjectName(QStringLiteral("Prerequisite"));
    NameForScreenReaders(prerequisite_, FieldCaption(rules::InfoOf(rules::SectionId::Units, int(rules::UnitField::Prereq))));
    prerequisite_->setGeometry(336, 184, 145, 21);
    connect(getObsolete_, &AdvanceChoiceBox::AbbrevChosen, this, &UnitsPage::GetObsoleteChange);
    connect(prerequisite_, &AdvanceChoiceBox::AbbrevChosen, this, &UnitsPage::PrerequisiteChange);
    for (AdvanceChoiceBox* box : {getObsolete_, prerequisite_}) {
        // A pick from the list is a step of its own, even right after typing.
        connect(box, &QComboBox::activated, &Editor(), &DocumentEditor::EndTyping);
    }
    connect(&Editor(), &DocumentEditor::FieldsChanged, this,
            [this](rules::SectionId section, const QList<int>& records) {
                if (section == rules::SectionId::Advances) AdvancesChanged(records);
            });

    role_ = new RadioGroup(UI_TEXT(" Unit Role "),
                           ChoiceItems(rules::SectionId::Units, int(rules::UnitField::Role)), 4,
                           this);
    role_->setObjectName(QStringLiteral("UnitRole"));
    role_->setGeometry(168, 216, 441, 73);
    SetTextColour(role_, kMaroon);
    connect(role_, &RadioGroup::IndexChosen, this, &UnitsPage::UnitRoleClick);

    // The group frames all fifteen boxes, but only the right half belongs to
    // it; the first eight lie over its left half as children of the page.
    auto* group = new QGroupBox(this);
    BindText(group, "title", UI_TEXT(" Special Behaviour "));
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(168, 300, 441, 217);
    SetTextColour(group, kBlue);
    for (int k = 1; k <= 15; ++k) {
        const bool onPage = k <= 8;
        auto* box = new QCheckBox(onPage ? static_cast<QWidget*>(this) : group);
        BindText(box, "text", Caption{"rules::Flag", rules::FlagCaption(k)});
        box->setObjectName(QStringLiteral("CheckBox%1").arg(k));
        if (onPage) {
            box->setGeometry(176, 320 + 24 * (k - 1), 208, 17);
            SetTextColour(box, kBlue);
        } else {
            box->setGeometry(216, 24 + 24 * (k - 9), 223, 17);
        }
        connect(box, &QCheckBox::clicked, this,
                [this, k](bool checked) { CheckBoxClick(k, checked); });
        checkBoxes_[static_cast<std::size_t>(k - 1)] = box;
    }

    // The form: every control but the list; the last seven boxes go with
    // their group.
    QList<QWidget*> form = {moves_,        rounds_,    attack_, hitPoints_, cost_,
                            defense_,      firepower_, hold_,   domain_,    getObsolete_,
                            prerequisite_, role_,      group};
    for (UpDown* upDown : findChildren<UpDown*>()) form << upDown;
    for (int k = 1; k <= 8; ++k) form << checkBoxes_[static_cast<std::size_t>(k - 1)];
    SetFormControls(form);
    KeepLabelsBesideTheirControls(this);
}

QLineEdit* UnitsPage::AddNumberField(const QString& name, const QRect& place,
                                     const QString& initial,
                                     rules::UnitField field) {
    auto* edit = new QLineEdit(initial, this);
    edit->setObjectName(name);
    edit->setGeometry(place);
    // What the user types is stored as typed; only a "," (which would split
    // the line) and characters the file cannot hold are refused.
    BindEdit(edit, static_cast<int>(field));
    return edit;
}

void UnitsPage::Populate() {
    // The boxes first: the list may show a unit at once.
    getObsolete_->Populate();
    prerequisite_->Populate();
    RecordPage::Populate();
}

void UnitsPage::AdvancesChanged(const QList<int>& advances) {
    getObsolete_->RefreshNames(advances);
    prerequisite_->RefreshNames(advances);
    ShowAgain();
}

const rules::UnitRecord& UnitsPage::Unit(int number) const {
    return Document().Units().At(number);
}

void UnitsPage::ShowRecord(int number) {
    const rules::UnitRecord& unit = Unit(number);
    // Every control is filled without reporting it, so showing a unit leaves
    // its record exactly as it was.
    domain_->SetIndex(NumericValue(unit.domain));
    ShowText(moves_, unit.moves);
    ShowText(rounds_, unit.rounds);
    ShowText(attack_, unit.attack);
    ShowText(defense_, unit.defense);
    ShowText(hitPoints_, unit.hitPoints);
    ShowText(firepower_, unit.firepower);
    ShowText(cost_, unit.cost);
    ShowText(hold_, unit.hold);
    role_->SetIndex(NumericValue(unit.role));
    for (int k = 1; k <= 15; ++k) {
        QCheckBox* box = checkBoxes_[static_cast<std::size_t>(k - 1)];
        const QSignalBlocker blocker(box);
        box->setChecked(rules::FlagIsSet(unit.flags, k));
    }
    getObsolete_->ShowAbbrev(unit.obsoleteBy);
    prerequisite_->ShowAbbrev(unit.prereq);
}

void UnitsPage::DomainOfActivityClick(int index) {
    StoreField(static_cast<int>(rules::UnitField::Domain), IndexText(index));
}

void UnitsPage::UnitRoleClick(int index) {
    StoreField(static_cast<int>(rules::UnitField::Role), IndexText(index));
}

void UnitsPage::CheckBoxClick(int k, bool checked) {
    if (!EditAllowed()) return;
    std::string flags = Unit(CurrentIndex()).flags;
    rules::SetFlag(flags, k, checked);
    StoreField(static_cast<int>(rules::UnitField::Flags), std::move(flags));
}

void UnitsPage::GetObsoleteChange(const std::string& abbrev) {
    StoreField(static_cast<int>(rules::UnitField::ObsoleteBy), abbrev, HasFocusWithin(getObsolete_));
}

void UnitsPage::PrerequisiteChange(const std::string& abbrev) {
    StoreField(static_cast<int>(rules::UnitField::Prereq), abbrev, HasFocusWithin(prerequisite_));
}

}  // namespace ui
