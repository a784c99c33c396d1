#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace rules {

enum class Language { English = 0, French = 1, German = 2 };

constexpr int kLanguageCount = 3;

// "rules.txt", "rules.fre", "rules.ger"
const char* RulesFileName(Language language);
// "ENGLISH", "FRANCAIS", "DEUTSCH"
const char* SettingsKeyword(Language language);
// The language with that keyword, compared as a whole line, case-sensitive.
std::optional<Language> LanguageFromKeyword(std::string_view line);
Language LanguageFromIndex(int index);
// The language a rules file's name stands for, by its ending ".txt", ".fre"
// or ".ger" in any letter case; none for any other name.
std::optional<Language> LanguageFromFileName(std::string_view name);  // 0, 1, 2; anything else: English

}  // namespace rules
