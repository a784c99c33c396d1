#include "rules/source/line_marks.h"

#include <algorithm>

#include "rules/compare/comparison.h"
#include "rules/document/rules_document.h"

namespace rules {

void LineMarks::Take(const RulesDocument& document, const Problems& problems) {
    document_ = &document;
    records_.clear();
    problems_.clear();
    problemLines_.clear();
    if (!document.Parsed()) return;
    for (const SectionId section : {SectionId::Cosmic, SectionId::Advances, SectionId::Units}) {
        const int count = RecordCount(document, section);
        for (int record = 1; record <= count; ++record) {
            const int line = RecordLine(document, section, record);
            if (line >= 0) records_[line] = {section, record};
        }
    }
    auto mark = [&](const Problem& problem) {
        const int line = problem.line >= 0 ? problem.line
                                           : RecordLine(document, problem.section, problem.record);
        if (line < 0) return;
        Problem shown = problem;
        shown.notes.clear();
        problems_[line].push_back(std::move(shown));
    };
    for (const Problem& problem : problems) {
        mark(problem);
        for (const Problem& note : problem.notes) mark(note);
    }
    for (auto& [line, marked] : problems_) {
        std::stable_sort(marked.begin(), marked.end(), [](const Problem& a, const Problem& b) {
            return a.severity < b.severity;
        });
        problemLines_.push_back(line);
    }
    std::sort(problemLines_.begin(), problemLines_.end());
}

LineRecord LineMarks::RecordAt(int line) const {
    const auto it = records_.find(line);
    // A document read anew and not yet taken may hold fewer records.
    if (it == records_.end() || it->second.record > RecordCount(*document_, it->second.section))
        return {SectionId::Units, 0};
    return it->second;
}

int LineMarks::LineOf(SectionId section, int record) const {
    return document_ && document_->Parsed() ? RecordLine(*document_, section, record) : -1;
}

std::span<const Problem> LineMarks::ProblemsAt(int line) const {
    const auto it = problems_.find(line);
    if (it == problems_.end()) return {};
    return it->second;
}

}  // namespace rules
