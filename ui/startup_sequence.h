#pragma once

#include <string>

namespace ui {

class TLangueForm;
class TMainForm;
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
    StartupSequence(TMainForm& main, TLangueForm& langue, TWarningForm& warning,
                    std::string rulesFile = {});
    void Run();

private:
    bool LoadRules(int language);
    bool LoadRulesFile(const std::string& name, int language);

    TMainForm& main_;
    TLangueForm& langue_;
    TWarningForm& warning_;
    std::string rulesFile_;
};

}  // namespace ui
