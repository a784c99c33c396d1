#include "ui/advance_choice_box.h"

#include <QCompleter>
#include <QLineEdit>
#include <QSignalBlocker>

#include "rules/advance_table.h"
#include "ui/text_codec.h"

namespace ui {

AdvanceChoiceBox::AdvanceChoiceBox(const rules::AdvanceTable& advances, QWidget* parent)
    : QComboBox(parent), advances_(advances) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Names are matched letter case included: completing "tide" to "Tidecraft"
    // must not look like a choice that the record then does not get.
    completer()->setCaseSensitivity(Qt::CaseSensitive);
    setMaxVisibleItems(16);
    connect(this, &QComboBox::editTextChanged, this, &AdvanceChoiceBox::TextEdited);
}

void AdvanceChoiceBox::Populate() {
    const QSignalBlocker blocker(this);
    const QString text = currentText();
    clear();
    for (const std::string& name : advances_.ChoiceNames()) addItem(ToDisplay(name));
    setEditText(text);
}

int AdvanceChoiceBox::ShowAbbrev(const std::string& abbrev) {
    const QSignalBlocker blocker(this);
    if (rules::IsNoAdvance(abbrev)) {
        setEditText(QStringLiteral("nil"));
        return 0;
    }
    const int number = advances_.FindByAbbrev(abbrev);
    setEditText(ToDisplay(number > 0 ? advances_.At(number).name : abbrev));
    return number;
}

void AdvanceChoiceBox::TextEdited(const QString& text) {
    if (text == QLatin1String("nil")) {
        emit AbbrevChosen("nil");
        return;
    }
    const std::optional<std::string> name = FromDisplay(text);
    if (!name) return;
    const int number = advances_.FindByName(*name);
    if (number > 0) emit AbbrevChosen(advances_.At(number).abbrev);
}

}  // namespace ui
