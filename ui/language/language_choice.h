#pragma once

#include <QList>
#include <QString>

namespace ui {

// The languages the editor speaks, by code: "en", "fr", "de". English is the
// source text and needs no translation loaded.
struct EditorLanguage {
    QString code;
    QString name;  // in the language itself: "Français"
};
QList<EditorLanguage> EditorLanguages();

// The language asked for in View > Language and remembered between starts;
// empty for "as the desktop's".
QString ChosenLanguage();
void RememberLanguage(const QString& code);

// The language to use for `chosen`: itself, or for an empty one the desktop's
// (QLocale::system()) when the editor speaks it, else English.
QString EffectiveLanguage(const QString& chosen);

// Loads the editor's and Qt's own translations for `code` (an empty code is
// the desktop's language) in place of those loaded before. Every window hears
// of it through QEvent::LanguageChange and shows its texts again; nothing
// else changes. Returns the language now in use.
QString ApplyLanguage(const QString& code);
// The language in use: "en" until another one is applied.
QString CurrentLanguage();

}  // namespace ui
