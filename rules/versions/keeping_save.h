#pragma once

#include <filesystem>

#include "rules/document/rules_document.h"
#include "rules/document/status.h"

namespace rules {

// What a save did: whether the rules file was replaced, and what became of
// the bytes it replaced.
struct SaveOutcome {
    Status saved;
    bool written = false;
    // Why the replaced bytes could not be kept; the save itself stands.
    Status kept;
    // Earlier versions removed to keep the versions within their size limit.
    int removedForRoom = 0;
};

// Saves the document as Save Changes does, everywhere (the editor, `set`,
// `import`): the file is rewritten only when its bytes change, and only once
// it really was are the bytes it held kept as an earlier version under
// `versionsRoot` (none kept when the root is empty; nothing kept twice in a
// row). A failed save keeps nothing, so failures never push real history out.
SaveOutcome SaveKeepingVersion(RulesDocument& document, const std::filesystem::path& versionsRoot);

}  // namespace rules
