#include "ui/message_boxes.h"

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

}  // namespace ui
