#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rules {

// A running digest of a byte stream. Pieces may be cut anywhere: the result
// depends only on the bytes and their order.
class ContentDigest {
  public:
    void Add(std::string_view bytes);
    std::uint64_t Value() const;
    std::uint64_t Size() const { return size_; }

  private:
    // Four lanes, each taking every fourth word of a 32-byte stripe, so the
    // processor works on four at once: a file of 50 MB takes milliseconds.
    void Stripe(const char* bytes);

    std::uint64_t lanes_[4] = {0x9e3779b97f4a7c15ULL, 0xc2b2ae3d27d4eb4fULL,
                               0x165667b19e3779f9ULL, 0x27d4eb2f165667c5ULL};
    char pending_[32] = {};  // bytes not yet making a whole stripe
    int pendingCount_ = 0;
    std::uint64_t size_ = 0;
};

// What a file held when this program last read or wrote it: enough to tell
// later whether another program has written it since. Size, time and file
// identity let an untouched file be recognised without reading it; the
// digest decides when they differ, so a file rewritten with the same bytes
// counts as unchanged.
struct FileStamp {
    bool valid = false;
    std::uint64_t size = 0;
    std::uint64_t digest = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;
    // The status-change time moves with every write and cannot be set back,
    // unlike the modification time.
    std::int64_t changedSeconds = 0;
    std::int64_t changedNanoseconds = 0;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    // The stamp of the open file `fd` whose bytes gave `digest`: their size
    // and digest, and the file's time and identity as they are now.
    static FileStamp Of(int fd, const ContentDigest& digest);
};

enum class DiskState {
    Unchanged,  // the file holds the bytes of the stamp
    Changed,    // other bytes, or a file that exists but cannot be read
    Missing,    // no file under the name (or no regular file)
};

// Compares the file under `fileName` with what `stamp` recorded.
DiskState CompareWithDisk(const std::string& fileName, const FileStamp& stamp);

}  // namespace rules
