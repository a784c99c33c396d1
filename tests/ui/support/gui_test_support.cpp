#include "gui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace testing_support {

ScratchFolder::ScratchFolder() : previous_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
}

ScratchFolder::~ScratchFolder() { QDir::setCurrent(previous_); }

QString ScratchFolder::Path(const QString& name) const { return dir_.filePath(name); }

bool ScratchFolder::Write(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(bytes) == bytes.size();
}

QByteArray ScratchFolder::Read(const QString& name) const {
    QFile file(Path(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool ScratchFolder::Exists(const QString& name) const { return QFile::exists(Path(name)); }

QByteArray DemoRules(const QString& name) {
    QFile file(QStringLiteral(EXAMPLES_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly)) qFatal("missing demo file %s", qPrintable(name));
    return file.readAll();
}

ModalAnswerer::ModalAnswerer() {
    timer_.setInterval(15);
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
}

void ModalAnswerer::Then(Action action) { actions_.push_back(std::move(action)); }

void ModalAnswerer::Poll() {
    if (actions_.empty()) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seenTitles << box->windowTitle();
        seenTexts << box->text();
    }
    Action action = std::move(actions_.front());
    actions_.pop_front();
    ++handled_;
    action(modal);
}

bool ModalAnswerer::WaitDone(int timeoutMs) {
    return QTest::qWaitFor([this] { return Done(); }, timeoutMs);
}

ModalAnswerer::Action ClickButton(const QString& objectName) {
    return [objectName](QWidget* modal) {
        auto* button = modal->findChild<QAbstractButton*>(objectName);
        if (!button) qFatal("no button %s in %s", qPrintable(objectName),
                            qPrintable(modal->objectName()));
        button->click();
    };
}

ModalAnswerer::Action ClickBoxButton(int standardButton) {
    return [standardButton](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) qFatal("expected a message box, got %s", qPrintable(modal->objectName()));
        QAbstractButton* button =
            box->button(static_cast<QMessageBox::StandardButton>(standardButton));
        if (!button) qFatal("message box has no such button");
        button->click();
    };
}

ModalAnswerer::Action PressKey(int key) {
    return [key](QWidget* modal) {
        QWidget* target = modal->focusWidget() ? modal->focusWidget() : modal;
        QTest::keyClick(target, static_cast<Qt::Key>(key));
    };
}

ModalAnswerer::Action CloseWindow() {
    return [](QWidget* modal) { modal->close(); };
}

}  // namespace testing_support
