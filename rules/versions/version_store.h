#pragma once

// The earlier versions of a rules file: before a save replaces the file, its
// bytes are copied into a folder of their own, one folder per rules file
// (named after the file's absolute path), one file per version (named after
// the time it was replaced). Only the newest few are kept.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "rules/document/status.h"

namespace rules {

struct KeptVersion {
    std::filesystem::path path;
    // When the save replaced these bytes, UTC milliseconds since 1970.
    std::int64_t keptAtMs = 0;
    std::uintmax_t size = 0;
};

class VersionStore {
  public:
    // The newest kKept versions are kept, and of those no more than
    // kKeptBytes in all (the newest is kept whatever its size).
    static constexpr int kKept = 50;
    static constexpr std::uintmax_t kKeptBytes = 500ull * 1024 * 1024;

    // Versions of `rulesFile` live under `root` (the user's data folder,
    // never the game's). A relative `rulesFile` is made absolute against the
    // working directory.
    // `keptBytes` lowers the size limit (tests).
    VersionStore(const std::filesystem::path& root, const std::filesystem::path& rulesFile,
                 std::uintmax_t keptBytes = kKeptBytes);

    // The folder of this rules file's versions.
    const std::filesystem::path& Folder() const { return folder_; }

    // Keeps `bytes` (what a save just replaced) as the version replaced at
    // `now`, unless the newest kept version holds the same bytes. Then
    // removes what the limits leave out; `removedForRoom` counts the
    // versions among the newest kKept that went to stay within kKeptBytes.
    // The error says where and why, for the user.
    Status KeepBytes(std::string_view bytes,
                     std::chrono::system_clock::time_point now = std::chrono::system_clock::now(),
                     int* removedForRoom = nullptr);

    // The same for the bytes the file `file` holds now, which a save is
    // about to replace, without reading them into memory: Stage puts them
    // beside the versions (linked where the file's folder lets a save
    // replace it, both lie on one file system and no other name links the
    // file, else copied), then, once
    // the save did replace the file, KeepStaged keeps them as KeepBytes
    // would; DropStaged forgets them when it did not.
    struct Staged {
        std::filesystem::path part;  // empty when nothing was staged
        bool linked = false;
    };
    Status Stage(const std::filesystem::path& file, Staged& staged);
    Status KeepStaged(Staged& staged,
                      std::chrono::system_clock::time_point now = std::chrono::system_clock::now(),
                      int* removedForRoom = nullptr);
    void DropStaged(Staged& staged) const;

    // The kept versions, newest first.
    std::vector<KeptVersion> List() const;

    // The folder name for a rules file's absolute path: the path with every
    // character outside letters, digits, "." and "-" written as "_XX" (hex),
    // so different paths never share a folder; very long paths keep their
    // end and gain a digest.
    static std::string FolderName(const std::string& absolutePath);
    // "20261208-111936-123.txt": the UTC time, sorting as the time does.
    static std::string VersionName(std::int64_t keptAtMs);

  private:
    // Makes the folder; the error says where and why.
    Status MakeFolder() const;
    Status Failure(const std::string& why) const;
    // A free name for a version kept at `ms` (or a little later).
    std::filesystem::path FreeName(std::int64_t ms) const;
    // Removes all but the newest kKept, then the oldest while the rest
    // exceed kKeptBytes; returns how many went for the size.
    int Prune() const;

    std::filesystem::path folder_;
    std::filesystem::path rulesFile_;
    std::uintmax_t keptBytes_;
};

// Where the editor and the command-line tool keep versions: the user's data
// folder ($XDG_DATA_HOME, or ~/.local/share) + "/Ovantra Rules File
// Editor/versions"; empty when neither is set.
std::filesystem::path DefaultVersionsRoot();

// The bytes of a kept version (or any file).
Status ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

}  // namespace rules
