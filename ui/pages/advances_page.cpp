#include "ui/pages/advances_page.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "rules/document/record_fields.h"
#include "rules/document/rules_document.h"
#include "ui/edit/document_editor.h"
#include "ui/widgets/advance_choice_box.h"
#include "ui/widgets/numeric_text.h"
#include "ui/widgets/outline_list.h"
#include "ui/widgets/radio_group.h"
#include "ui/codec/text_codec.h"
#include "ui/widgets/widget_helpers.h"
#include "ui/edit/field_caption.h"
#include "ui/widgets/accessibility.h"

namespace ui {

namespace {

QLineEdit* MakeEdit(const QString& name, const QRect& place, QWidget* parent) {
    auto* edit = new QLineEdit(name, parent);
    edit->setObjectName(name);
    edit->setGeometry(place);
    return edit;
}

RadioGroup* MakeGroup(const QString& name, Caption caption, const QList<Caption>& items,
                      const QRect& place, const QColor& colour, QWidget* parent) {
    auto* group = new RadioGroup(caption, items, 1, parent);
    group->setObjectName(name);
    group->setGeometry(place);
    SetTextColour(group, colour);
    return group;
}

// The widgets that take the focus when tabbing through `widget`: its radio
// items for a group, itself otherwise.
QList<QWidget*> FocusStops(QWidget* widget) {
    if (auto* group = qobject_cast<RadioGroup*>(widget)) {
        QList<QWidget*> items;
        for (QRadioButton* item : group->findChildren<QRadioButton*>()) items << item;
        return items;
    }
    return {widget};
}

}  // namespace

AdvancesPage::AdvancesPage(DocumentEditor& editor, QWidget* parent)
    : RecordPage(editor, rules::SectionId::Advances, parent) {}

void AdvancesPage::MakeForm() {
    auto* outline = new OutlineList(this);
    outline->setObjectName(QStringLiteral("OutAdvances"));
    NameForScreenReaders(outline, tr("Advances"));
    outline->setGeometry(8, 8, 153, 497);
    BindText(outline, "toolTip", UI_TEXT("Double-click or press <Enter> to edit name"));
    AttachOutline(outline);

    QLabel* label19 =
        MakeLabel(QStringLiteral("Label19"), UI_TEXT("Artificial Intelligence"),
                  QRect(176, 16, 93, 13), this,
                  UI_TEXT("Basic value at which computer players view this advance."));
    aiValue_ = MakeEdit(QStringLiteral("AIvalue"), QRect(288, 16, 49, 21), this);
    QLabel* label20 = MakeLabel(
        QStringLiteral("Label20"), UI_TEXT("Modifier"), QRect(176, 40, 37, 13), this,
        UI_TEXT("Modifier to value based on the \"civilized\" aspect of a leader's "
                       "personality.  Positive values increase value for civilized leaders, "
                       "decrease it for militaristic.  Negative values vice versa."));
    aiModif_ = MakeEdit(QStringLiteral("AImodif"), QRect(288, 40, 49, 21), this);
    MakeLabel(QStringLiteral("Label21"), UI_TEXT("Prerequisites"), QRect(176, 64, 60, 13),
              this,
              UI_TEXT("What you have to invent in order to have this advance available"));

    const rules::AdvanceTable& advances = Document().Advances();
    preBox1_ = new AdvanceChoiceBox(advances, this);
    preBox1_->setObjectName(QStringLiteral("PreBox1"));
    NameForScreenReaders(preBox1_, FieldCaption(rules::InfoOf(rules::SectionId::Advances, int(rules::AdvanceField::Prereq1))));
    preBox1_->setGeometry(176, 80, 145, 21);
    goto1_ =
        MakeButton(QStringLiteral("GOTO1"), UI_TEXT("Go To"), QRect(328, 80, 209, 21), this);
    preBox2_ = new AdvanceChoiceBox(advances, this);
    preBox2_->setObjectName(QStringLiteral("PreBox2"));
    NameForScreenReaders(preBox2_, FieldCaption(rules::InfoOf(rules::SectionId::Advances, int(rules::AdvanceField::Prereq2))));
    preBox2_->setGeometry(176, 112, 145, 21);
    goto2_ = MakeButton(QStringLiteral("GOTO2"), UI_TEXT("Go To"), QRect(328, 112, 209, 21),
                        this);
    gotoNext_ = MakeButton(QStringLiteral("GotoNext"), UI_TEXT("Goto Next"),
                           QRect(176, 144, 361, 21), this);

    using rules::AdvanceField;
    epoch_ = MakeGroup(QStringLiteral("Epoch"), UI_TEXT(" Epoch "),
                       ChoiceItems(rules::SectionId::Advances, int(AdvanceField::Epoch)),
                       QRect(176, 176, 185, 105), QColor(255, 0, 0), this);
    category_ = MakeGroup(QStringLiteral("Category"), UI_TEXT(" Category "),
                          ChoiceItems(rules::SectionId::Advances, int(AdvanceField::Category)),
                          QRect(376, 176, 161, 129), QColor(0, 0, 255), this);

    // The right-click help that the window's hint announces; its items only
    // inform, choosing one does nothing.
    auto* aiValuePopup = new QMenu(this);
    aiValuePopup->setObjectName(QStringLiteral("AIValuePopup1"));
    BindText(aiValuePopup, aiValuePopup->addAction(QString()), "text",
             UI_TEXT("Basic value at which computer players views this advance."));
    AttachHelpMenu(aiValuePopup, {label19, aiValue_});
    auto* aiModifPopup = new QMenu(this);
    aiModifPopup->setObjectName(QStringLiteral("AImodifPopup"));
    BindText(aiModifPopup, aiModifPopup->addAction(QString()), "text",
             UI_TEXT("Modifier to value based on the \"civilized\" aspect of a leader's personality."));
    BindText(aiModifPopup, aiModifPopup->addAction(QString()), "text",
             UI_TEXT("Positive values increase value for civilized leaders, decrease it for militaristic."));
    BindText(aiModifPopup, aiModifPopup->addAction(QString()), "text",
             UI_TEXT("Negative values decrease value for civilized leaders, increase it for militaristic."));
    AttachHelpMenu(aiModifPopup, {label20, aiModif_});

    // AIvalueChange / AImodifChange: a comma or semicolon would split the line.
    BindEdit(aiValue_, static_cast<int>(rules::AdvanceField::AiValue));
    BindEdit(aiModif_, static_cast<int>(rules::AdvanceField::Modifier));
    // PreBox1Change / PreBox2Change: only text that names "nil" or an advance
    // is stored; the Go-to buttons keep what the last showing gave them.
    const std::pair<AdvanceChoiceBox*, rules::AdvanceField> boxes[] = {
        {preBox1_, rules::AdvanceField::Prereq1}, {preBox2_, rules::AdvanceField::Prereq2}};
    for (const auto& [box, field] : boxes) {
        connect(box, &AdvanceChoiceBox::AbbrevChosen, this,
                [this, box, field](const std::string& abbrev) {
                    StoreField(static_cast<int>(field), abbrev, HasFocusWithin(box));
                });
        // A pick from the list is a step of its own, even right after typing.
        connect(box, &QComboBox::activated, &Editor(), &DocumentEditor::EndTyping);
    }
    // A box that shows its stored choice again has shown a prerequisite: its
    // Go-to button follows, as when the advance is shown.
    for (const auto& [box, button] : {std::pair{preBox1_, goto1_}, std::pair{preBox2_, goto2_}})
        connect(box, &AdvanceChoiceBox::StoredShown, this,
                [box, button](int number) { FollowPrerequisite(box, button, number); });
    connect(goto1_, &QPushButton::clicked, this, &AdvancesPage::GOTO1Click);
    connect(goto2_, &QPushButton::clicked, this, &AdvancesPage::GOTO2Click);
    connect(gotoNext_, &QPushButton::clicked, this, &AdvancesPage::GotoNextClick);
    // EpochClick / CategoryClick.
    connect(epoch_, &RadioGroup::IndexChosen, this, [this](int index) {
        StoreField(static_cast<int>(rules::AdvanceField::Epoch), IndexText(index));
    });
    connect(category_, &RadioGroup::IndexChosen, this, [this](int index) {
        StoreField(static_cast<int>(rules::AdvanceField::Category), IndexText(index));
    });

    SetFormControls(
        {aiValue_, aiModif_, preBox1_, preBox2_, epoch_, category_, goto1_, goto2_, gotoNext_});

    QList<QWidget*> order;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{outline, preBox1_, preBox2_, epoch_, category_, aiValue_,
                                         aiModif_, goto1_, goto2_, gotoNext_}) {
        order << FocusStops(widget);
    }
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    KeepLabelsBesideTheirControls(this);
}

void AdvancesPage::AttachHelpMenu(QMenu* menu, std::initializer_list<QWidget*> owners) {
    for (QWidget* owner : owners) {
        // A custom policy also keeps an edit's own cut-and-paste menu away.
        owner->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(owner, &QWidget::customContextMenuRequested, menu,
                [menu, owner](const QPoint& at) { menu->popup(owner->mapToGlobal(at)); });
    }
}

void AdvancesPage::Populate() {
    // The boxes first: the list may show the first advance at once.
    preBox1_->Populate();
    preBox2_->Populate();
    RecordPage::Populate();
}

void AdvancesPage::RecordsChanged(const QList<int>& records) {
    preBox1_->RefreshNames(records);
    preBox2_->RefreshNames(records);
    RecordPage::RecordsChanged(records);
    // Another advance's name or abbreviation may be what the boxes and the
    // Go-to buttons of the advance on show name.
    if (!Storing() && !records.contains(CurrentIndex())) ShowAgain();
}

void AdvancesPage::ShowRecord(int number) {
    const rules::AdvanceRecord& advance = Document().Advances().At(number);
    ShowText(aiValue_, advance.aiValue);
    ShowText(aiModif_, advance.modifier);
    ShowPrerequisite(preBox1_, goto1_, advance.prereq1);
    ShowPrerequisite(preBox2_, goto2_, advance.prereq2);
    ShowNextTarget(number);
    epoch_->SetIndex(NumericValue(advance.epoch));
    category_->SetIndex(NumericValue(advance.category));
}

void AdvancesPage::changeEvent(QEvent* event) {
    RecordPage::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && Built() && HasRecord()) ShowAgain();
}

void AdvancesPage::ShowPrerequisite(AdvanceChoiceBox* box, QPushButton* button,
                                    const std::string& abbrev) {
    // "nil", "no" and an abbreviation no advance has leave nothing to go back
    // to; the caption keeps whatever it said before, only the state changes.
    FollowPrerequisite(box, button, box->ShowAbbrev(abbrev));
}

void AdvancesPage::FollowPrerequisite(AdvanceChoiceBox* box, QPushButton* button, int number) {
    button->setEnabled(number > 0);
    if (number > 0) button->setText(tr("Go Back To ") + box->currentText());
}

void AdvancesPage::ShowNextTarget(int number) {
    const rules::AdvanceTable& advances = Document().Advances();
    const int target = advances.FindNextTarget(number);
    gotoNext_->setEnabled(target > 0);
    if (target > 0) {
        gotoNext_->setText(tr("Allow you to develop ") +
                           ToDisplay(advances.At(target).name));
        nextTargetAbbrev_ = advances.At(target).abbrev;
    } else {
        gotoNext_->setText(tr("Allow you to develop nothing :)"));
        nextTargetAbbrev_.clear();
    }
}

void AdvancesPage::JumpToAbbrev(const std::string& abbrev) {
    // After the user set the box to "nil" the button may still be enabled;
    // "nil" names no advance even if some advance were abbreviated so.
    if (abbrev.empty() || rules::IsNoAdvance(abbrev)) return;
    if (const int number = Document().Advances().FindByAbbrev(abbrev); number > 0) JumpTo(number);
}

void AdvancesPage::GOTO1Click() {
    if (HasRecord()) JumpToAbbrev(Document().Advances().At(CurrentIndex()).prereq1);
}

void AdvancesPage::GOTO2Click() {
    if (HasRecord()) JumpToAbbrev(Document().Advances().At(CurrentIndex()).prereq2);
}

void AdvancesPage::GotoNextClick() {
    if (HasRecord()) JumpToAbbrev(nextTargetAbbrev_);
}

}  // namespace ui
