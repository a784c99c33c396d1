#include "ui/widgets/refusal_tint.h"

#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace ui {

namespace {
// The control's own look and tip, kept while it is tinted.
constexpr const char* kOwnPalette = "refusalOwnPalette";
constexpr const char* kOwnToolTip = "refusalOwnToolTip";
const QColor kRefusedBase(255, 205, 205);
}  // namespace

bool ShowsRefusal(const QWidget* control) { return control->property(kOwnPalette).isValid(); }

void ShowRefusal(QWidget* control, const QString& problem) {
    if (problem.isEmpty()) {
        if (!ShowsRefusal(control)) return;
        control->setPalette(control->property(kOwnPalette).value<QPalette>());
        control->setToolTip(control->property(kOwnToolTip).toString());
        control->setProperty(kOwnPalette, QVariant());
        control->setProperty(kOwnToolTip, QVariant());
        return;
    }
    if (!ShowsRefusal(control)) {
        control->setProperty(kOwnPalette, QVariant::fromValue(control->palette()));
        control->setProperty(kOwnToolTip, control->toolTip());
    }
    QPalette tinted = control->property(kOwnPalette).value<QPalette>();
    tinted.setColor(QPalette::Base, kRefusedBase);
    control->setPalette(tinted);
    control->setToolTip(problem);
}

}  // namespace ui
