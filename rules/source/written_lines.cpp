#include "rules/source/written_lines.h"

#include <algorithm>
#include <utility>

#include "rules/compare/comparison.h"
#include "rules/document/rules_document.h"

namespace rules {

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
            if (line >= 0 && line < store_->LineCount()) unsavedLines_.push_back(line);
        }
    }
    if (unsavedLines_.empty()) return;
    std::sort(unsavedLines_.begin(), unsavedLines_.end());

    // The document's own writers make the lines, so they come out exactly as
    // a save writes them, however that writes a changed record. They run on
    // a copy of the tables (a few hundred records) over a store of empty
    // lines reaching the last changed one, never on a copy of the text.
    RulesDocument scratch;
    scratch.LoadBytes(std::string(static_cast<std::size_t>(unsavedLines_.back()) + 1, '\n'),
                      document.GetLanguage());
    scratch.PutContent({std::move(scratch.Lines()), document.Cosmic(), document.Advances(),
                        document.Units(), {}, true});
    scratch.Render();
    for (const int line : unsavedLines_) pending_.emplace(line, scratch.Lines().GetLine(line));
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
