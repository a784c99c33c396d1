#include "ui/widgets/editor_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>

namespace ui {

namespace {

// Stands for a style's icon and asks the style for it when first needed.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(QStyle::StandardPixmap icon) : icon_(icon) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Real().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(icon_); }

private:
    const QIcon& Real() {
        if (real_.isNull()) {
            const QStyle* style = QApplication::style();
            const auto* editorStyle = qobject_cast<const EditorStyle*>(style);
            real_ = editorStyle ? editorStyle->DesktopIcon(icon_) : style->standardIcon(icon_);
        }
        return real_;
    }

    QStyle::StandardPixmap icon_;
    QIcon real_;
};

}  // namespace

QIcon EditorStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new DeferredIconEngine(icon));
    return QProxyStyle::standardIcon(icon, option, widget);
}

QIcon EditorStyle::DesktopIcon(StandardPixmap icon) const {
    return QProxyStyle::standardIcon(icon, nullptr, nullptr);
}

void InstallEditorStyle() { QApplication::setStyle(new EditorStyle); }

}  // namespace ui
