#pragma once

class QTabWidget;

namespace ui {

class CheckPage;
class SourcePage;
class TMainForm;

// Adds the Source page as the window's next page and connects it: a
// record's line shows the record on its page, and a problem's "Show in
// Source" on the Check page brings the page to the front at its line.
SourcePage* AddSourcePage(TMainForm& window, QTabWidget& pages, CheckPage& check);

}  // namespace ui
