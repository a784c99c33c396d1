#include "ui/edit/field_caption.h"

#include <QCoreApplication>

namespace ui {

QString FieldCaption(const rules::ColumnInfo& info) {
    QString caption = QString::fromLatin1(info.label.data(), static_cast<qsizetype>(info.label.size()));
    // "AI value" keeps its capitals; every other label starts lower case.
    if (!caption.isEmpty() && !caption.startsWith(QStringLiteral("AI"))) caption[0] = caption[0].toUpper();
    // Most labels are also a column's heading, which has its translation;
    // the others stay as declared.
    return QCoreApplication::translate("rules::Column", caption.toUtf8().constData());
}

}  // namespace ui
