#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

class QWidget;
class QMessageBox;

namespace testing_support {

// Each test runs in a fresh temporary folder as its working directory, since
// the editor reads and writes bare file names.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    QString Path(const QString& name) const;
    bool Write(const QString& name, const QByteArray& bytes) const;
    QByteArray Read(const QString& name) const;
    bool Exists(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// The bundled demo rules file of a language ("rules.txt", "rules.fre", "rules.ger").
QByteArray DemoRules(const QString& name = QStringLiteral("rules.txt"));

// Answers modal dialogs and message boxes as they come up: each queued action
// runs once, on the next modal widget that is active. Tests queue the answers
// before doing what opens the dialogs.
class ModalAnswerer : public QObject {
public:
    using Action = std::function<void(QWidget* modal)>;
    ModalAnswerer();
    void Then(Action action);
    bool Done() const { return actions_.empty(); }
    int Handled() const { return handled_; }
    // Processes events until every queued action ran (or the timeout passed).
    bool WaitDone(int timeoutMs = 5000);
    // Title and text of the message boxes seen, in order.
    QStringList seenTitles;
    QStringList seenTexts;

private:
    void Poll();
    std::deque<Action> actions_;
    QTimer timer_;
    int handled_ = 0;
};

// Common answers.
ModalAnswerer::Action ClickButton(const QString& objectName);
// Clicks the message box button with that standard role text ("OK", "Yes", "No").
ModalAnswerer::Action ClickBoxButton(int standardButton);
ModalAnswerer::Action PressKey(int key);
ModalAnswerer::Action CloseWindow();


}  // namespace testing_support
