#pragma once

// The crash journal of a rules file: every movement of the undo stack since
// the file was last loaded or saved, so that edits the window showed survive
// a crash. A header names the file and what its bytes were when the edits
// began; each entry after it is length-prefixed and checksummed, so a write
// torn by a power cut loses only that entry, never the ones before it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/file_stamp.h"
#include "rules/edits/edit_plan.h"

namespace rules {

// Changed whenever the layout of header or entries changes: a journal of
// another version is offered for discarding, never read.
inline constexpr std::uint32_t kJournalFormatVersion = 1;

struct JournalHeader {
    std::uint32_t formatVersion = kJournalFormatVersion;
    std::string rulesFile;        // absolute path
    FileStamp stamp;              // what the file held when the edits began
    std::uint64_t startDigest = 0;  // digest and size of the bytes edits start from
    std::uint64_t startSize = 0;
    std::int64_t ownerPid = 0;
    std::int64_t startedAtMs = 0;  // UTC milliseconds since 1970
};

// One movement of the undo stack.
struct JournalEntry {
    enum class Kind : std::uint8_t {
        Push = 1,     // a new step: `plan` applied, `undo` puts back what it replaced
        Undo = 2,     // the step below the current one undone
        Redo = 3,     // the step above redone
        Fold = 4,     // the top step's edit folded into the step below (typing)
        Drop = 5,     // the top step removed: it changed nothing in the end
        Replace = 6,  // a new step replacing the whole document by `content`
    };
    Kind kind = Kind::Push;
    std::int64_t atMs = 0;
    std::string text;  // the step's name in the Edit menu, UTF-8
    EditPlan plan;     // Push: what it sets
    EditPlan undo;     // Push: what its undo sets
    std::string content;  // Replace: the document's new bytes
    std::uint64_t beforeDigest = 0;  // Replace: digest and size of the bytes it replaced
    std::uint64_t beforeSize = 0;

    bool operator==(const JournalEntry& other) const;
};

// Why reading stopped.
enum class JournalState {
    Complete,       // every byte read
    TornTail,       // a damaged or incomplete entry at `validBytes`; what came before is kept
    OtherVersion,   // written by another version of the program: nothing read
    Unreadable,     // no valid header
};

struct JournalContents {
    JournalState state = JournalState::Unreadable;
    JournalHeader header;
    std::vector<JournalEntry> entries;
    std::size_t validBytes = 0;  // header and whole entries
};

std::string EncodeJournalHeader(const JournalHeader& header);
std::string EncodeJournalEntry(const JournalEntry& entry);
// Reads a journal's bytes: the header, then entries up to the first damaged one.
JournalContents DecodeJournal(std::string_view bytes);

// CRC-32 (the reflected 0xEDB88320 polynomial) of `bytes`.
std::uint32_t Crc32(std::string_view bytes);

}  // namespace rules
