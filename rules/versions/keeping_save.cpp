#include "rules/versions/keeping_save.h"

#include <system_error>

#include "rules/versions/version_store.h"

namespace rules {

SaveOutcome SaveKeepingVersion(RulesDocument& document,
                               const std::filesystem::path& versionsRoot) {
    SaveOutcome outcome;
    // Read before the save replaces them; a file not there yet has nothing to keep.
    std::string replaced;
    std::error_code error;
    const bool hadFile = document.Parsed() &&
                         std::filesystem::is_regular_file(document.TargetFileName(), error) &&
                         ReadWholeFile(document.TargetFileName(), replaced);
    outcome.saved = document.Save(&outcome.written);
    if (!outcome.saved || !outcome.written || !hadFile) return outcome;
    if (versionsRoot.empty()) {
        outcome.kept = Status::Error("The version could not be kept: no folder for the user's data");
        return outcome;
    }
    outcome.kept = VersionStore(versionsRoot, document.TargetFileName())
                       .KeepBytes(replaced, std::chrono::system_clock::now(),
                                  &outcome.removedForRoom);
    return outcome;
}

}  // namespace rules
