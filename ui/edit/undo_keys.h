#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace ui {

class DocumentEditor;

// Ctrl+Z undoes and Ctrl+Shift+Z or Ctrl+Y redo the editor's steps wherever
// the keyboard focus is in `window`. Text fields have an undo of their own
// that would otherwise take these keys and undo keystrokes the editor never
// hears of; here the keys always mean the document's history.
class UndoKeys : public QObject {
    Q_OBJECT
  public:
    // Watches every event of the application, acting only on those bound
    // for `window` and its controls; lives as long as the editor.
    UndoKeys(QWidget* window, DocumentEditor& editor);

    // -1 for an undo key, +1 for a redo key, 0 for any other key.
    static int Direction(const QKeyEvent* event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    DocumentEditor& editor_;
};

}  // namespace ui
