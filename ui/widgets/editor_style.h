#pragma once

#include <QProxyStyle>

namespace ui {

// The desktop's own style, but for the one icon a menu bar makes as it is
// created: the chevron of its overflow button, shown only when the menus do
// not fit. Reading it from the style's image files made the window open
// later; it is read when it is first drawn instead.
class EditorStyle : public QProxyStyle {
    Q_OBJECT
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    // The icon as the desktop's style gives it.
    QIcon DesktopIcon(StandardPixmap icon) const;
};

// Makes EditorStyle the application's style; called before any window exists.
void InstallEditorStyle();

}  // namespace ui
