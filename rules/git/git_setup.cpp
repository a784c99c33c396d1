#include "rules/git/git_setup.h"

#include "rules/document/language.h"

namespace rules::git {

namespace {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool HasLine(std::string_view text, std::string_view wanted) {
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (Trimmed(text.substr(0, end)) == Trimmed(wanted)) return true;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return false;
}

}  // namespace

std::vector<std::string> AttributeLines() {
    std::vector<std::string> lines;
    for (int k = 0; k < kLanguageCount; ++k) {
        lines.push_back(std::string(RulesFileName(LanguageFromIndex(k))) + " merge=" + kDriverName +
                        " diff=" + kDriverName);
    }
    return lines;
}

std::vector<ConfigEntry> ConfigEntries(const std::string& program) {
    return {
        {std::string("merge.") + kDriverName + ".driver", program + " merge %O %A %B -o %A --path=%P"},
        {std::string("diff.") + kDriverName + ".textconv", program + " textconv"},
    };
}

std::string ShellWord(std::string_view text) {
    const bool plain = !text.empty() && text.find_first_not_of(
                                            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                            "0123456789_-+./:@") == std::string_view::npos;
    if (plain) return std::string(text);
    std::string word = "'";
    for (const char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

std::vector<std::string> AddMissingLines(std::string& text, const std::vector<std::string>& lines) {
    std::vector<std::string> added;
    for (const std::string& line : lines) {
        if (HasLine(text, line)) continue;
        if (!text.empty() && text.back() != '\n') text += '\n';
        text += line;
        text += '\n';
        added.push_back(line);
    }
    return added;
}

std::string GlobalAttributesFile(const std::string& configured, const std::string& xdgConfigHome,
                                 const std::string& home) {
    if (!configured.empty()) {
        if (configured.rfind("~/", 0) == 0) return home + configured.substr(1);
        return configured;
    }
    if (!xdgConfigHome.empty()) return xdgConfigHome + "/git/attributes";
    return home + "/.config/git/attributes";
}

}  // namespace rules::git
