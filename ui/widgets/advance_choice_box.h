#pragma once

#include <QComboBox>
#include <QPalette>
#include <optional>
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
// While the text names nothing the box is tinted and its tool tip says what
// stays stored; when the focus leaves it, it shows the stored choice again.
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

    // What the tool tip calls the stored value: "prerequisite" unless set.
    void SetValueName(const QString& name) { valueName_ = name; }
    // Whether the text on show names neither "nil" nor an advance, so that
    // it is not what the record holds.
    bool NotTaken() const { return notTaken_; }

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

signals:
    // The user's text now names "nil" or an advance: the abbreviation to
    // store. Text that names nothing (half-typed, emptied, an old name after
    // a rename) reports nothing, so the stored value stays as it was.
    void AbbrevChosen(const std::string& abbrev);
    // The box put the stored choice on show again by itself (its text was
    // refused, or an abbreviation typed became the advance's name): the
    // number of the advance now shown, 0 for none.
    void StoredShown(int number);

private:
    void TextEdited(const QString& text);
    // A pick from the list is always the user's choice, also of the item
    // already shown.
    void ItemPicked(int index);
    void Choose(const std::string& abbrev);
    void ShowStoredAgain();
    // Text the focus leaves (or Enter ends) that is an advance's
    // abbreviation as the file writes it ("Kln"), or "no", chooses it.
    void TakeAbbrevTyped();
    // Tints the box and explains it, or takes both back.
    void MarkNotTaken(bool notTaken);
    // The stored choice as the box shows it: "nil" or the advance's name.
    QString StoredText() const;

    const rules::AdvanceTable& advances_;
    std::optional<std::string> stored_;  // none before a record was shown
    QString valueName_ = QStringLiteral("prerequisite");
    QString ownToolTip_;  // what the box says when its text is taken
    QPalette ownPalette_;
    QPalette ownEditPalette_;
    bool notTaken_ = false;
};

}  // namespace ui
