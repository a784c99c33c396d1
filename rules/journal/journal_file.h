#pragma once

// Where a rules file's journal lives and how its bytes reach the disk.

#include <filesystem>
#include <string>
#include <string_view>

#include "rules/document/status.h"

namespace rules {

// The journal of `rulesFile`: in the folder of its kept versions under
// `versionsRoot` (the user's data folder, never the game's), one per file.
std::filesystem::path JournalPath(const std::filesystem::path& versionsRoot,
                                  const std::filesystem::path& rulesFile);

// A journal open for appending. Every Append is written with write(2) and
// made durable with fdatasync before it returns.
class JournalFile {
  public:
    JournalFile() = default;
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;
    ~JournalFile();

    // Replaces whatever journal is at `path` by `bytes` (a header and any
    // entries) at once: written beside it, flushed, then renamed over it, so
    // a crash leaves either the old journal or the new one whole.
    Status Start(const std::filesystem::path& path, std::string_view bytes);
    Status Append(std::string_view bytes);
    // Closes and removes the journal.
    Status Remove();
    bool IsOpen() const { return fd_ >= 0; }

  private:
    void Close();
    int fd_ = -1;
    std::filesystem::path path_;
};

// The journal's bytes (empty with an error when there is none).
Status ReadJournalBytes(const std::filesystem::path& path, std::string& bytes);

}  // namespace rules
