#include "ui/widgets/remembered_settings.h"

namespace ui {

QSettings RememberedSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QStringLiteral("ovantra-rules-editor"), QStringLiteral("ovantra-rules-editor"));
}

}  // namespace ui
