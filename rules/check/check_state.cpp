#include "rules/check/check_state.h"

#include "rules/check/rules_check.h"

namespace rules {

void CheckState::CheckAll(const RulesDocument& document, const CheckChoice& choice) {
    choice_ = choice;
    PartsWanted all;
    all.setAside = all.tables = true;
    for (int s = 0; s < document.Others().Count(); ++s) all.sections.push_back(s);
    CheckParts parts = CheckRuleParts(document, choice_, all);
    setAside_ = std::move(parts.setAside);
    tables_ = std::move(parts.tables);
    sections_.assign(static_cast<std::size_t>(document.Others().Count()), {});
    others_.clear();
    for (auto& [s, problems] : parts.sections) {
        others_ = MergeParts({&others_, &problems});
        sections_[static_cast<std::size_t>(s)] = std::move(problems);
    }
    checked_ = true;
    Merge();
}

void CheckState::TablesChanged(const RulesDocument& document) {
    if (!checked_) return CheckAll(document, choice_);
    PartsWanted wanted;
    wanted.tables = true;
    tables_ = std::move(CheckRuleParts(document, choice_, wanted).tables);
    Merge();
}

void CheckState::SectionChanged(const RulesDocument& document, int section) {
    if (!checked_ || static_cast<std::size_t>(document.Others().Count()) != sections_.size() ||
        section < 0 || section >= document.Others().Count())
        return CheckAll(document, choice_);
    PartsWanted wanted;
    wanted.sections.push_back(section);
    CheckParts parts = CheckRuleParts(document, choice_, wanted);
    rules::Problems& kept = sections_[static_cast<std::size_t>(section)];
    rules::Problems& fresh = parts.sections.front().second;
    if (fresh == kept) return;
    kept = std::move(fresh);
    others_.clear();
    for (const rules::Problems& problems : sections_) others_ = MergeParts({&others_, &problems});
    Merge();
}

void CheckState::Merge() { all_ = MergeParts({&setAside_, &tables_, &others_}); }

}  // namespace rules
