#pragma once

#include <vector>

#include "rules/check/check_kinds.h"
#include "rules/check/problem.h"
#include "rules/document/rules_document.h"

namespace rules {

// The rules check kept between edits. Its parts that grow with the file
// (the lines the readers set aside, each other section) are checked again
// only when an edit touches them; the three tables, which hold at most 94
// advances and 54 units whatever the file's size, are checked again on
// every change of theirs, so their circles and look-ups stay whole. What it
// holds is always what CheckRules gives for the document as it stands.
class CheckState {
  public:
    // Checks everything again: a file read, a document replaced, another
    // choice of checks.
    void CheckAll(const RulesDocument& document, const CheckChoice& choice = {});
    // Fields of the three tables changed.
    void TablesChanged(const RulesDocument& document);
    // Cells of other section `section` (0-based) changed.
    void SectionChanged(const RulesDocument& document, int section);

    bool Checked() const { return checked_; }
    const CheckChoice& Choice() const { return choice_; }
    const rules::Problems& Problems() const { return all_; }

  private:
    void Merge();

    bool checked_ = false;
    CheckChoice choice_;
    rules::Problems setAside_;
    rules::Problems tables_;
    std::vector<rules::Problems> sections_;
    rules::Problems others_;  // the sections' problems merged
    rules::Problems all_;
};

}  // namespace rules
