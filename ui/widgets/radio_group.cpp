#include "ui/widgets/radio_group.h"

#include "rules/document/field_table.h"

#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

namespace ui {

QList<Caption> ChoiceItems(rules::SectionId section, int field) {
    QList<Caption> items;
    // The words are the declaration's literals, so each ends where its view does.
    for (std::string_view word : rules::InfoOf(section, field).words)
        items << Caption{"rules::Choice", word.data()};
    return items;
}

namespace {

QStringList Texts(const QList<Caption>& captions) {
    QStringList texts;
    for (const Caption& caption : captions) texts << caption.Text();
    return texts;
}

}  // namespace

RadioGroup::RadioGroup(Caption caption, const QList<Caption>& items, int columns, QWidget* parent)
    : RadioGroup(caption.Text(), Texts(items), columns, parent) {
    BindText(this, "title", caption);
    for (int i = 0; i < items.size(); ++i) BindText(group_->button(i), "text", items[i]);
}

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 2, 4, 2);
    grid->setSpacing(0);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        // Items run down the first column, then the next, as in the classic group.
        grid->addWidget(button, i % rows, i / rows);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) emit IndexChosen(id);
    });
}

int RadioGroup::ItemCount() const { return static_cast<int>(group_->buttons().size()); }

void RadioGroup::SetIndex(int index) {
    const QSignalBlocker blocker(group_);
    if (index < 0) {
        group_->setExclusive(false);
        for (QAbstractButton* button : group_->buttons()) button->setChecked(false);
        group_->setExclusive(true);
        return;
    }
    if (index >= ItemCount()) index = ItemCount() - 1;
    if (QAbstractButton* button = group_->button(index)) button->setChecked(true);
}

int RadioGroup::Index() const { return group_->checkedId(); }

}  // namespace ui
