#include "rules/document/settings.h"

namespace rules {

Settings ReadSettings(const LineStore& settingsFile) {
    Settings settings;
    // The first line is free text: only lines from the second on count.
    for (int i = 1; i < settingsFile.LineCount(); ++i) {
        const std::string_view line = settingsFile.GetLine(i);
        if (!settings.language) settings.language = LanguageFromKeyword(line);
        if (line == "NO WARNING") settings.noWarning = true;
    }
    return settings;
}

}  // namespace rules
