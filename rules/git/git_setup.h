#pragma once

// What git needs to hand rules files to `ovantra-rules`: the attribute lines
// that name the files, and the two settings that name the tool as their merge
// driver and their text conversion for diffs. Running git is the tool's job;
// this says what to write and writes nothing twice.

#include <string>
#include <string_view>
#include <vector>

namespace rules::git {

// The name the attributes and the settings know the tool by.
inline constexpr const char* kDriverName = "ovantra-rules";

// "rules.txt merge=ovantra-rules diff=ovantra-rules", one per language.
std::vector<std::string> AttributeLines();

struct ConfigEntry {
    std::string key;
    std::string value;
};
// merge.ovantra-rules.driver and diff.ovantra-rules.textconv, each running
// `program` (a shell word: a plain name found on PATH, or a quoted path).
// The driver writes its result over git's copy of ours (%A) and names the
// file by its path in the repository (%P).
std::vector<ConfigEntry> ConfigEntries(const std::string& program);

// The text as one shell word: as it is when it needs no quoting, else in
// single quotes.
std::string ShellWord(std::string_view text);

// Adds to an attributes file's text the lines it lacks (a line counts as
// there when it matches but for spaces at its ends), each ended by a line
// break, and gives the lines added.
std::vector<std::string> AddMissingLines(std::string& text, const std::vector<std::string>& lines);

// The attributes file git reads for every repository of the user: the one
// core.attributesFile names (a leading "~/" meaning `home`), else
// $XDG_CONFIG_HOME/git/attributes, else ~/.config/git/attributes. Empty
// arguments stand for unset ones.
std::string GlobalAttributesFile(const std::string& configured, const std::string& xdgConfigHome,
                                 const std::string& home);

}  // namespace rules::git
