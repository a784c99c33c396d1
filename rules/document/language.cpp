#include "rules/document/language.h"

namespace rules {

const char* RulesFileName(Language language) {
    switch (language) {
        case Language::English:
            return "rules.txt";
        case Language::French:
            return "rules.fre";
        case Language::German:
            return "rules.ger";
    }
    return "rules.txt";
}

const char* SettingsKeyword(Language language) {
    switch (language) {
        case Language::English:
            return "ENGLISH";
        case Language::French:
            return "FRANCAIS";
        case Language::German:
            return "DEUTSCH";
    }
    return "ENGLISH";
}

std::optional<Language> LanguageFromKeyword(std::string_view line) {
    for (int i = 0; i < kLanguageCount; ++i) {
        const Language language = static_cast<Language>(i);
        if (line == SettingsKeyword(language)) return language;
    }
    return std::nullopt;
}

Language LanguageFromIndex(int index) {
    switch (index) {
        case 1:
            return Language::French;
        case 2:
            return Language::German;
        default:
            return Language::English;
    }
}

}  // namespace rules
