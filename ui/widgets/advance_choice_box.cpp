#include "ui/widgets/advance_choice_box.h"

#include <QCompleter>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QSignalBlocker>

#include "rules/document/advance_table.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/text_codec.h"

namespace ui {

AdvanceChoiceBox::AdvanceChoiceBox(const rules::AdvanceTable& advances, QWidget* parent)
    : QComboBox(parent), advances_(advances) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Completing inline would put a name into the box that the record does
    // not get; a list of the names that begin with the typed text leaves the
    // text alone. Names are matched letter case included, as they are stored.
    completer()->setCompletionMode(QCompleter::PopupCompletion);
    completer()->setCaseSensitivity(Qt::CaseSensitive);
    // The list is a window of its own and would take the application's font.
    completer()->popup()->setFont(SansFont());
    setMaxVisibleItems(16);
    connect(this, &QComboBox::editTextChanged, this, &AdvanceChoiceBox::TextEdited);
    connect(this, &QComboBox::activated, this, &AdvanceChoiceBox::ItemPicked);
}

void AdvanceChoiceBox::Populate() {
    const QSignalBlocker blocker(this);
    const QString text = currentText();
    clear();
    for (const std::string& name : advances_.ChoiceNames()) addItem(ToDisplay(name));
    setEditText(text);
}

void AdvanceChoiceBox::RefreshNames(const QList<int>& numbers) {
    const QSignalBlocker blocker(this);
    const QString text = currentText();
    bool changed = false;
    for (int number : numbers) {
        if (number < 1 || number >= count() || number > advances_.Count()) continue;
        const QString name = ToDisplay(advances_.At(number).name);
        if (itemText(number) == name) continue;
        setItemText(number, name);
        changed = true;
    }
    if (changed && currentText() != text) setEditText(text);
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

void AdvanceChoiceBox::ItemPicked(int index) {
    if (index == 0) {
        emit AbbrevChosen("nil");
        return;
    }
    // Shared names resolve to the first advance that has the name, as typing
    // it would.
    TextEdited(itemText(index));
}

}  // namespace ui
