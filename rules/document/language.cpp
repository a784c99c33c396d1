#include "rules/document/language.h"

#include <cstddef>

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

std::optional<Language> LanguageFromFileName(std::string_view name) {
    if (name.size() < 4) return std::nullopt;
    std::string_view ending = name.substr(name.size() - 4);
    auto same = [&](std::string_view lower) {
        for (std::size_t i = 0; i < lower.size(); ++i) {
            const char c = ending[i];
            if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != lower[i])
                return false;
        }
        return true;
    };
    if (same(".txt")) return Language::English;
    if (same(".fre")) return Language::French;
    if (same(".ger")) return Language::German;
    return std::nullopt;
}

}  // namespace rules
