#include "rules/versions/keeping_save.h"

#include <system_error>

#include "rules/versions/version_store.h"

namespace rules {

SaveOutcome SaveKeepingVersion(RulesDocument& document,
                               const std::filesystem::path& versionsRoot) {
    SaveOutcome outcome;
    // Nothing that could be written: Write says why, as Save would.
    if (!document.Parsed() || !document.HoldsRules()) {
        outcome.saved = document.Write(&outcome.written);
        return outcome;
    }
    // Nothing to write: asked once, not again by Save.
    if (!document.NeedsWriting()) {
        outcome.saved = document.MarkSaved();
        return outcome;
    }
    // What the file holds is put aside before the save replaces it; a file
    // not there yet has nothing to keep.
    std::error_code error;
    const bool hadFile = std::filesystem::is_regular_file(document.TargetFileName(), error);
    VersionStore store(versionsRoot, document.TargetFileName());
    VersionStore::Staged staged;
    if (hadFile && !versionsRoot.empty()) outcome.kept = store.Stage(document.TargetFileName(), staged);
    outcome.saved = document.Write(&outcome.written);
    if (!outcome.saved || !outcome.written || !hadFile) {
        // A failed save keeps nothing, so failures never push real history out.
        store.DropStaged(staged);
        outcome.kept = Status::Ok();
        return outcome;
    }
    if (versionsRoot.empty()) {
        outcome.kept = Status::Error("The version could not be kept: no folder for the user's data");
        return outcome;
    }
    // A link holds the old bytes only if the save put a new file in place;
    // one written into the very file it links to holds the new ones.
    if (staged.linked && std::filesystem::equivalent(staged.part, document.TargetFileName(), error)) {
        store.DropStaged(staged);
        outcome.kept = Status::Error("The version could not be kept: the file was written in place");
    }
    if (outcome.kept) outcome.kept = store.KeepStaged(staged, std::chrono::system_clock::now(),
                                                      &outcome.removedForRoom);
    return outcome;
}

}  // namespace rules
