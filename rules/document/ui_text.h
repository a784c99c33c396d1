#pragma once

// Marks an English text of the tables that the editor shows in the user's
// language: here it is the text itself, so the core stays free of any
// translation machinery; the editor looks the text up in `context` when it
// shows it, and the translation tools find it by this name.
#define RULES_UI_TEXT(context, text) text
