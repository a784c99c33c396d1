#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace ui {

class DocumentEditor;
class TLangueForm;
class TWarningForm;

// What happens on the editor's first activation: read the settings file, warn
// the user unless it says not to, settle the language (from the settings file
// or the language dialog), load that rules file, and read its three sections.
// A refused warning or a cancelled language dialog closes the window. An error
// (a rules file that cannot be opened) ends the sequence at its step with the
// error box. A rules file named on the command line (`rulesFile`, a name in
// the working folder) settles the language by its name and is the file
// loaded; the settings file then decides only the warning.
class StartupSequence {
public:
    // `window` is the editor's window: minimised while the dialogs ask,
    // closed when the user refuses; `noRulesFile` is told the file that could
    // not be loaded.
    StartupSequence(QWidget& window, DocumentEditor& editor, TLangueForm& langue,
                    TWarningForm& warning, std::function<void(const QString&)> noRulesFile,
                    std::string rulesFile = {});
    void Run();

private:
    bool LoadRules(int language);
    bool LoadRulesFile(const std::string& name, int language);

    QWidget& main_;
    DocumentEditor& editor_;
    std::function<void(const QString&)> noRulesFile_;
    TLangueForm& langue_;
    TWarningForm& warning_;
    std::string rulesFile_;
};

}  // namespace ui
