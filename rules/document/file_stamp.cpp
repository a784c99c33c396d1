#include "rules/document/file_stamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "rules/document/read_pieces.h"

namespace rules {

namespace {

constexpr std::uint64_t kMultiplier = 0xff51afd7ed558ccdULL;

std::uint64_t Avalanche(std::uint64_t h) {
    h ^= h >> 33;
    h *= kMultiplier;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

// Eight bytes in the machine's order: a digest is only ever compared with one
// made on the same machine, and pieces cut anywhere give the same words.
std::uint64_t Word(const char* bytes) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

}  // namespace

void ContentDigest::Stripe(const char* bytes) {
    constexpr std::uint64_t kPrime1 = 0x9e3779b185ebca87ULL;
    constexpr std::uint64_t kPrime2 = 0xc2b2ae3d27d4eb4fULL;
    for (int lane = 0; lane < 4; ++lane) {
        std::uint64_t h = lanes_[lane] + Word(bytes + 8 * lane) * kPrime2;
        h = (h << 31) | (h >> 33);
        lanes_[lane] = h * kPrime1;
    }
}

void ContentDigest::Add(std::string_view bytes) {
    if (bytes.empty()) return;
    size_ += bytes.size();
    std::size_t i = 0;
    // Finish a stripe begun by an earlier piece.
    if (pendingCount_ > 0) {
        const std::size_t take = std::min<std::size_t>(32 - pendingCount_, bytes.size());
        std::memcpy(pending_ + pendingCount_, bytes.data(), take);
        pendingCount_ += static_cast<int>(take);
        i = take;
        if (pendingCount_ < 32) return;
        Stripe(pending_);
        pendingCount_ = 0;
    }
    for (; i + 32 <= bytes.size(); i += 32) Stripe(bytes.data() + i);
    pendingCount_ = static_cast<int>(bytes.size() - i);
    std::memcpy(pending_, bytes.data() + i, bytes.size() - i);
}

std::uint64_t ContentDigest::Value() const {
    std::uint64_t h = size_;
    for (const std::uint64_t lane : lanes_) h = (h ^ Avalanche(lane)) * kMultiplier;
    // The tail and its length go in last, so "ab" and "ab\0" differ.
    for (int k = 0; k < pendingCount_; k += 8) {
        char word[8] = {};
        std::memcpy(word, pending_ + k, static_cast<std::size_t>(std::min(8, pendingCount_ - k)));
        h = (h ^ Avalanche(Word(word))) * kMultiplier;
    }
    return Avalanche(h ^ (std::uint64_t(pendingCount_) << 56));
}

FileStamp FileStamp::Of(int fd, const ContentDigest& digest) {
    FileStamp stamp;
    stamp.valid = true;
    stamp.size = digest.Size();
    stamp.digest = digest.Value();
    struct stat st {};
    if (::fstat(fd, &st) != 0) return stamp;
    stamp.modifiedSeconds = st.st_mtim.tv_sec;
    stamp.modifiedNanoseconds = st.st_mtim.tv_nsec;
    stamp.changedSeconds = st.st_ctim.tv_sec;
    stamp.changedNanoseconds = st.st_ctim.tv_nsec;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    return stamp;
}

DiskState CompareWithDisk(const std::string& fileName, const FileStamp& stamp) {
    struct stat st {};
    if (::stat(fileName.c_str(), &st) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? DiskState::Missing : DiskState::Changed;
    }
    // A folder or device under the name holds no rules of anyone's to lose.
    if (!S_ISREG(st.st_mode)) return DiskState::Missing;
    if (static_cast<std::uint64_t>(st.st_size) != stamp.size) return DiskState::Changed;
    if (st.st_mtim.tv_sec == stamp.modifiedSeconds &&
        st.st_mtim.tv_nsec == stamp.modifiedNanoseconds &&
        st.st_ctim.tv_sec == stamp.changedSeconds &&
        st.st_ctim.tv_nsec == stamp.changedNanoseconds && st.st_dev == stamp.device &&
        st.st_ino == stamp.inode) {
        return DiskState::Unchanged;
    }
    // Touched or replaced: only the bytes can tell.
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? DiskState::Missing : DiskState::Changed;
    ContentDigest digest;
    const bool read = ReadPieces(fd, [&digest](std::string_view piece) { digest.Add(piece); });
    ::close(fd);
    if (!read) return DiskState::Changed;
    return digest.Size() == stamp.size && digest.Value() == stamp.digest ? DiskState::Unchanged
                                                                         : DiskState::Changed;
}

}  // namespace rules
