#pragma once

#include <QString>

class QWidget;

namespace ui {

// "Ovantra Rules File Editor": the caption of every error box.
QString ApplicationTitle();

// The error box: error icon, one OK button, the application title as caption,
// the error text followed by ".".
void ShowErrorBox(QWidget* parent, const QString& message);

// An information box with the application title as caption and one OK button.
void ShowInformationBox(QWidget* parent, const QString& text);

// Asks before a save overwrites what another program wrote into `fileName`:
// warning icon, Yes and No, No the default and the Escape answer. True for Yes.
bool ConfirmOverwriteOutsideChanges(QWidget* parent, const QString& fileName);

// Asks before a file that holds none of the sections is used as a rules
// file (compared with, merged from): warning icon, Yes and No, No the
// default and the Escape answer. True for Yes.
bool ConfirmNotARulesFile(QWidget* parent, const QString& fileName);

}  // namespace ui
