#include "ui/widgets/advance_choice_box.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>

#include "rules/document/advance_table.h"
#include "ui/widgets/fonts.h"
#include "ui/codec/text_codec.h"

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
    stored_ = abbrev;
    MarkNotTaken(false);
    const int number = rules::IsNoAdvance(abbrev) ? 0 : advances_.FindByAbbrev(abbrev);
    // The list's current item follows what is shown. Left on an earlier
    // record's pick, the toolkit would match the text against the list when
    // the focus merely passes through and report that item as picked.
    if (number < count()) setCurrentIndex(rules::IsNoAdvance(abbrev) || number > 0 ? number : -1);
    setEditText(rules::IsNoAdvance(abbrev)
                    ? QStringLiteral("nil")
                    : ToDisplay(number > 0 ? advances_.At(number).name : abbrev));
    return number;
}

QString AdvanceChoiceBox::StoredText() const {
    if (!stored_ || rules::IsNoAdvance(*stored_)) return QStringLiteral("nil");
    const int number = advances_.FindByAbbrev(*stored_);
    return ToDisplay(number > 0 ? advances_.At(number).name : *stored_);
}

void AdvanceChoiceBox::Choose(const std::string& abbrev) {
    MarkNotTaken(false);
    if (stored_ && *stored_ == abbrev) return;  // nothing new: no step
    stored_ = abbrev;
    // A whole name is typed: the list of names that begin with it has done
    // its work. Left open it would swallow the next click elsewhere. It is
    // shown after this text change is handled, so it is closed after that.
    QMetaObject::invokeMethod(
        this, [this] { completer()->popup()->hide(); }, Qt::QueuedConnection);
    emit AbbrevChosen(abbrev);
}

void AdvanceChoiceBox::TextEdited(const QString& text) {
    if (text == QLatin1String("nil")) {
        Choose("nil");
        return;
    }
    if (const std::optional<std::string> name = FromDisplay(text)) {
        if (const int number = advances_.FindByName(*name); number > 0) {
            Choose(advances_.At(number).abbrev);
            return;
        }
    }
    // Showing again what is stored (an abbreviation no advance has, typed
    // back) is no mismatch.
    MarkNotTaken(stored_.has_value() && text != StoredText());
}

void AdvanceChoiceBox::MarkNotTaken(bool notTaken) {
    if (notTaken == notTaken_ && !notTaken) return;
    QLineEdit* edit = lineEdit();
    if (notTaken && !notTaken_) {
        ownToolTip_ = toolTip();
        ownPalette_ = palette();
        if (edit) ownEditPalette_ = edit->palette();
    }
    notTaken_ = notTaken;
    if (notTaken) {
        QPalette tinted = ownPalette_;
        tinted.setColor(QPalette::Base, QColor(255, 205, 205));
        tinted.setColor(QPalette::Button, QColor(220, 40, 40));
        setPalette(tinted);
        if (edit) {
            QPalette editTint = ownEditPalette_;
            editTint.setColor(QPalette::Base, QColor(255, 205, 205));
            edit->setPalette(editTint);
        }
        setToolTip(QStringLiteral("No advance is named \"%1\"; the %2 stays \"%3\".")
                       .arg(currentText(), valueName_, StoredText()));
    } else {
        setPalette(ownPalette_);
        if (edit) edit->setPalette(ownEditPalette_);
        setToolTip(ownToolTip_);
    }
}

void AdvanceChoiceBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The list of names opening is no leaving; anything else is.
    if (event->reason() == Qt::PopupFocusReason) return;
    TakeAbbrevTyped();
    // Refused text, or an abbreviation taken: the stored choice shows as its
    // name again.
    if (stored_ && currentText() != StoredText()) ShowStoredAgain();
}

void AdvanceChoiceBox::ShowStoredAgain() {
    emit StoredShown(ShowAbbrev(*stored_));
}

void AdvanceChoiceBox::TakeAbbrevTyped() {
    // Taken only once the typing is done: on the way to a name, its first
    // letters may be some other advance's abbreviation.
    if (!notTaken_) return;
    const std::optional<std::string> text = FromDisplay(currentText());
    if (!text || *text == rules::kNoAdvance) return;
    // "no", the advance no one reaches, may be typed as the file writes it;
    // the box then shows it as "nil", as it shows every "no".
    if (*text == rules::kUnreachableAdvance || advances_.FindByAbbrev(*text) > 0) Choose(*text);
}

void AdvanceChoiceBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        TakeAbbrevTyped();
        if (stored_ && currentText() != StoredText() && !notTaken_) ShowStoredAgain();
    }
    QComboBox::keyPressEvent(event);
}

void AdvanceChoiceBox::ItemPicked(int index) {
    if (index == 0) {
        Choose("nil");
        return;
    }
    // Shared names resolve to the first advance that has the name, as typing
    // it would.
    TextEdited(itemText(index));
}

}  // namespace ui
