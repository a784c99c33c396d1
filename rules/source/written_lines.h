#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "rules/document/findings.h"
#include "rules/document/line_store.h"

namespace rules {

class RulesDocument;

// The file as a save would write it now, line by line, without rendering the
// document or copying its text: the line store's own lines, except that each
// record (or row of another section) that differs from the file on disk has
// the line saving would write for it.
class WrittenLines {
public:
    // Reads what changed from the document, which must outlive this and
    // stay as it is until the next Take (every edit, undo, load, replacement
    // or save calls for one). Costs the changed records alone.
    void Take(const RulesDocument& document);

    int LineCount() const { return store_ ? store_->LineCount() : 0; }
    // Empty for an index outside the lines. Valid until the next Take.
    std::string_view Line(int index) const;
    // Whether saving would write the line otherwise than the line store
    // holds it: a line of a record edited since the last load or save.
    bool Unsaved(int index) const { return pending_.count(index) != 0; }
    // The line as the line store holds it: as read, or as last saved.
    std::string_view SavedLine(int index) const;
    // The lines saving would change, in file order.
    const std::vector<int>& UnsavedLines() const { return unsavedLines_; }

private:
    const LineStore* store_ = nullptr;
    std::unordered_map<int, std::string> pending_;
    std::vector<int> unsavedLines_;
};

}  // namespace rules
