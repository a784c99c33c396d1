#include "ui/widgets/fonts.h"

#include <QStringList>

namespace ui {

void InstallFontSubstitutions() {
    // Measured at the windows' 11-pixel size, Roboto Condensed comes closest
    // to the widths the layout was drawn for (its labels were sized to their
    // text) while every caption still fits its control; the regular-width
    // free faces overflow the longest check boxes. Liberation Sans Narrow
    // also fits, if narrower.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Roboto Condensed"),
                                QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("DejaVu Sans Condensed")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
}

namespace {
// Whoever asks for a window font gets the mapping with it, also where the
// program's entry did not run (tests, tools).
void EnsureSubstitutions() {
    static const bool installed = (InstallFontSubstitutions(), true);
    (void)installed;
}
}  // namespace

QFont SansFont(int pixelSize) {
    EnsureSubstitutions();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(pixelSize);
    return font;
}

QFont ComicFont(int pixelSize) {
    EnsureSubstitutions();
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace ui
