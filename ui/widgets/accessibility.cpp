#include "ui/widgets/accessibility.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace ui {

namespace {

// Remembers the text a line edit had when it was disabled and puts it back
// whenever it changes before the edit is enabled again.
class DisabledTextKeeper : public QObject {
  public:
    explicit DisabledTextKeeper(QLineEdit* edit) : QObject(edit), edit_(edit), kept_(edit->text()) {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (edit_->isEnabled() || edit_->text() == kept_) return;
            const QSignalBlocker blocker(edit_);
            edit_->setText(kept_);
        });
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == edit_ && event->type() == QEvent::EnabledChange && !edit_->isEnabled())
            kept_ = edit_->text();
        return false;
    }

  private:
    QLineEdit* edit_;
    QString kept_;
};

}  // namespace

void NameForScreenReaders(QWidget* control, const QString& name) {
    control->setAccessibleName(name);
    if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
        box->lineEdit()->setAccessibleName(name);
}

void KeepTextWhileDisabled(QLineEdit* edit) { new DisabledTextKeeper(edit); }

}  // namespace ui
