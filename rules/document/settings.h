#pragma once

#include <optional>

#include "rules/document/language.h"
#include "rules/document/line_store.h"

namespace rules {

// What the settings file says. Its first line is never examined; from the
// second line on only whole lines equal to a keyword count.
struct Settings {
    std::optional<Language> language;  // the first language line wins
    bool noWarning = false;            // "NO WARNING" anywhere after line 1
};

Settings ReadSettings(const LineStore& settingsFile);

constexpr const char* kSettingsFileName = "YARV.INI";

}  // namespace rules
