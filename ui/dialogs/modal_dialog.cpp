#include "ui/dialogs/modal_dialog.h"

#include <QKeyEvent>

#include "ui/widgets/fonts.h"
#include "ui/window_placement.h"

namespace ui {

ModalDialog::ModalDialog(const QString& name, const QString& title, const QSize& size,
                         Qt::WindowFlags frame, bool escapeCloses)
    : MadeWhenShown(nullptr, frame), escapeCloses_(escapeCloses) {
    setObjectName(name);
    setWindowTitle(title);
    setFont(SansFont());
    setFixedSize(size);
    setModal(true);
}

void ModalDialog::ExecCentred() {
    CentreOnScreen(this);
    exec();
}

void ModalDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !escapeCloses_) {
        event->accept();  // no cancel button: the user must choose
        return;
    }
    QDialog::keyPressEvent(event);
}

Qt::WindowFlags DialogFrame() {
    return Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
           Qt::MSWindowsFixedSizeDialogHint;
}

}  // namespace ui
