#pragma once

#include "ui/langue_form.h"
#include "ui/main_form.h"
#include "ui/rename_form.h"
#include "ui/warning_form.h"

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
