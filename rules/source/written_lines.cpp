#include "rules/source/written_lines.h"

#include <algorithm>

#include "rules/compare/comparison.h"
#include "rules/document/rules_document.h"

namespace rules {

namespace {

// The line saving writes for a record: the tables' own writers make it, so
// it is exactly what a save writes, however that writes a changed record.
std::string LineNow(const RulesDocument& document, SectionId section, int record) {
    switch (section) {
        case SectionId::Units: return document.Units().LineNow(record);
        case SectionId::Advances: return document.Advances().LineNow(record);
        case SectionId::Cosmic: return document.Cosmic().LineNow(record - 1, document.GetLanguage());
    }
    return {};
}

}  // namespace

void WrittenLines::Take(const RulesDocument& document) {
    store_ = &document.Lines();
    pending_.clear();
    unsavedLines_.clear();
    if (!document.Parsed()) return;
    for (const SectionId section : {SectionId::Cosmic, SectionId::Advances, SectionId::Units}) {
        const int count = RecordCount(document, section);
        for (int record = 1; record <= count; ++record) {
            if (!document.RecordChanged(section, record)) continue;
            const int line = RecordLine(document, section, record);
            if (line < 0 || line >= store_->LineCount()) continue;
            unsavedLines_.push_back(line);
            pending_.emplace(line, LineNow(document, section, record));
        }
    }
    // The rows of the other sections, edited in place as saving edits them.
    const OtherSections& others = document.Others();
    for (int s = 0; s < others.Count(); ++s) {
        const SectionTable& table = others.At(s);
        for (int row = 1; row <= table.RowCount(); ++row) {
            if (!table.RowChanged(row)) continue;
            unsavedLines_.push_back(table.LineOf(row));
            pending_.emplace(table.LineOf(row), table.LineNow(row));
        }
    }
    std::sort(unsavedLines_.begin(), unsavedLines_.end());
}

std::string_view WrittenLines::Line(int index) const {
    if (!pending_.empty()) {
        const auto it = pending_.find(index);
        if (it != pending_.end()) return it->second;
    }
    return SavedLine(index);
}

std::string_view WrittenLines::SavedLine(int index) const {
    return store_ ? store_->GetLine(index) : std::string_view();
}

}  // namespace rules
