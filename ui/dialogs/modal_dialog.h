#pragma once

#include <QDialog>

#include "ui/widgets/made_when_shown.h"

namespace ui {

// What the editor's dialogs share: a fixed size in the window font, centred on
// the screen each time it is shown modally, and whether Escape closes it (only
// in dialogs that have a cancel button).
class ModalDialog : public MadeWhenShown<QDialog> {
    Q_OBJECT
  public:
    ModalDialog(const QString& name, const QString& title, const QSize& size, Qt::WindowFlags frame,
                bool escapeCloses);

  protected:
    // Most runs never show a dialog: those that make their controls here
    // make them before they first show, not with the editor's windows.
    void Build() override {}
    // Centres the dialog and runs it modally until it closes.
    void ExecCentred();
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool escapeCloses_;
};

// The frame of a dialog with a caption bar and close box but no resizing and
// no minimize or maximize boxes.
Qt::WindowFlags DialogFrame();

}  // namespace ui
