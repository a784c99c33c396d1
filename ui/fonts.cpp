#include "ui/fonts.h"

#include <QStringList>

namespace ui {

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

QFont SansFont(int pixelSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    return font;
}

QFont ComicFont(int pixelSize) {
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace ui
