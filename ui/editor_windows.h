#pragma once

#include "ui/dialogs/langue_form.h"
#include "ui/main_form.h"
#include "ui/dialogs/rename_form.h"
#include "ui/dialogs/warning_form.h"

namespace ui {

// The program's four windows, created once in this order and kept for the
// whole run: the main window first, then the language, warning and rename
// dialogs (hidden until shown).
struct EditorWindows {
    EditorWindows() { main.AttachDialogs(&langue, &warning, &rename); }

    TMainForm main;
    TLangueForm langue;
    TWarningForm warning;
    TRenameForm rename;
};

}  // namespace ui
