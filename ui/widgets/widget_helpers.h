#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <optional>

#include "ui/language/translated_text.h"

class QLabel;
class QPushButton;
class QWidget;

namespace ui {

// The windows place every control at fixed pixels, by name; these make the
// common kinds in one line each.

QPushButton* MakeButton(const QString& name, const QString& caption, const QRect& place,
                        QWidget* parent);
// The same with a caption that follows the language.
QPushButton* MakeButton(const QString& name, Caption caption, const QRect& place,
                        QWidget* parent);

// A label at `place` that grows when its text needs more room: the given size
// is what the text needs in the designed font, so a wider substitute font
// makes the label grow instead of clipping it. An empty size means "fit".
// The text is measured in the window's font, which the label takes only once
// its page is in the window.
QLabel* MakeLabel(const QString& name, const QString& caption, const QRect& place, QWidget* parent,
                  const QString& hint = QString());
// The same with a caption (and hint) that follow the language: the label is
// fitted to each new text again.
QLabel* MakeLabel(const QString& name, Caption caption, const QRect& place, QWidget* parent,
                  std::optional<Caption> hint = std::nullopt);
// Fits a label made by MakeLabel to its present text, from its designed place
// and short of the control beside it; other labels are left as they are.
void FitLabelToText(QLabel* label);

// Labels that grew must not reach under the control beside them: each label
// among `container`'s children ends where the nearest control to its right on
// the same row begins.
void KeepLabelsBesideTheirControls(QWidget* container);

// Colours a control's captions and those of its children through the palette;
// a style sheet would also cut the control off from the window's font.
void SetTextColour(QWidget* widget, const QColor& colour);

}  // namespace ui
