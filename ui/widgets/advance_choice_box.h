#pragma once

#include <QComboBox>
#include <QList>
#include <string>
#include <vector>

namespace rules {
class AdvanceTable;
}

namespace ui {

// An editable drop-down that names an advance: it lists "nil" and the advance
// names as they were read, shows an abbreviation as the name of the first
// advance that has it, and turns what the user picks or types back into an
// abbreviation. What the box shows and what the record holds agree: typed
// text stays as typed (matching names are offered in a list below it, never
// written into the box), and only "nil" or a whole advance name is reported.
// Used for the prerequisites of advances and units and for the
// advance that makes a unit obsolete.
class AdvanceChoiceBox : public QComboBox {
    Q_OBJECT
public:
    AdvanceChoiceBox(const rules::AdvanceTable& advances, QWidget* parent = nullptr);

    // Fills the list: "nil" then every advance name in table order.
    void Populate();
    // Advances `numbers` may have new names: their items follow, the text in
    // the box stays.
    void RefreshNames(const QList<int>& numbers);

    // Shows a stored abbreviation without reporting it as the user's choice:
    // "nil" and "no" show as "nil", an abbreviation as the name of the first
    // advance that has it, and one that no advance has as it stands. Returns
    // the number of the advance shown, 0 when none.
    int ShowAbbrev(const std::string& abbrev);

signals:
    // The user's text now names "nil" or an advance: the abbreviation to
    // store. Text that names nothing (half-typed, emptied, an old name after
    // a rename) reports nothing, so the stored value stays as it was.
    void AbbrevChosen(const std::string& abbrev);

private:
    void TextEdited(const QString& text);
    // A pick from the list is always the user's choice, also of the item
    // already shown.
    void ItemPicked(int index);

    const rules::AdvanceTable& advances_;
};

}  // namespace ui
