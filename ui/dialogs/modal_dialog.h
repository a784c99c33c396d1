#pragma once

#include <QDialog>

namespace ui {

// What the editor's dialogs share: a fixed size in the window font, centred on
// the screen each time it is shown modally, and whether Escape closes it (only
// in dialogs that have a cancel button).
class ModalDialog : public QDialog {
    Q_OBJECT
  public:
    ModalDialog(const QString& name, const QString& title, const QSize& size, Qt::WindowFlags frame,
                bool escapeCloses);

    // Most runs never show a dialog: its controls are made before it first
    // shows (or when asked for), not with the editor's windows.
    void EnsureBuilt();
    void setVisible(bool visible) override;

  protected:
    // Makes the dialog's controls; called once, by EnsureBuilt.
    virtual void Build() {}
    // Centres the dialog and runs it modally until it closes.
    void ExecCentred();
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool escapeCloses_;
    bool built_ = false;
};

// The frame of a dialog with a caption bar and close box but no resizing and
// no minimize or maximize boxes.
Qt::WindowFlags DialogFrame();

}  // namespace ui
