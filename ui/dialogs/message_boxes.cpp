#include "ui/dialogs/message_boxes.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace ui {

QString ApplicationTitle() { return QStringLiteral("Ovantra Rules File Editor"); }

void ShowErrorBox(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), message + QLatin1Char('.'),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

void ShowInformationBox(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, ApplicationTitle(), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("InformationBox"));
    box.exec();
}

namespace {

// A question whose careful answer is No: the default, and Escape's.
bool ConfirmWarning(QWidget* parent, const QString& name, const QString& text) {
    QMessageBox box(QMessageBox::Warning, ApplicationTitle(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(name);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

bool ConfirmOverwriteOutsideChanges(QWidget* parent, const QString& fileName) {
    return ConfirmWarning(parent, QStringLiteral("OutsideChangeBox"),
                          QStringLiteral("The rules file %1 was changed by another program after "
                                         "it was loaded. Overwrite those changes?")
                              .arg(fileName));
}

bool ConfirmNotARulesFile(QWidget* parent, const QString& fileName) {
    return ConfirmWarning(parent, QStringLiteral("NotARulesFileBox"),
                          QCoreApplication::translate("ui::MessageBoxes",
                                                      "%1 is not a rules file: it holds none of "
                                                      "the sections @COSMIC, @CIVILIZE and "
                                                      "@UNITS. Use it all the same?")
                              .arg(fileName));
}

}  // namespace ui
