#include "rules/file_stamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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

}  // namespace

void ContentDigest::Mix(std::uint64_t word) {
    state_ = (state_ ^ Avalanche(word)) * kMultiplier;
    state_ ^= state_ >> 29;
}

void ContentDigest::Add(std::string_view bytes) {
    size_ += bytes.size();
    std::size_t i = 0;
    // Finish a word begun by an earlier piece.
    while (pendingCount_ > 0 && i < bytes.size()) {
        pending_ |= std::uint64_t(static_cast<unsigned char>(bytes[i++])) << (8 * pendingCount_);
        if (++pendingCount_ == 8) {
            Mix(pending_);
            pending_ = 0;
            pendingCount_ = 0;
        }
    }
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t word = 0;
        for (int b = 0; b < 8; ++b)
            word |= std::uint64_t(static_cast<unsigned char>(bytes[i + b])) << (8 * b);
        Mix(word);
    }
    for (; i < bytes.size(); ++i)
        pending_ |= std::uint64_t(static_cast<unsigned char>(bytes[i])) << (8 * pendingCount_++);
}

std::uint64_t ContentDigest::Value() const {
    // The tail and the length go in last, so "ab" and "ab\0" differ.
    std::uint64_t h = (state_ ^ Avalanche(pending_ ^ (std::uint64_t(pendingCount_) << 56))) *
                      kMultiplier;
    return Avalanche(h ^ size_);
}

void FileStamp::TakeStatusOf(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return;
    modifiedSeconds = st.st_mtim.tv_sec;
    modifiedNanoseconds = st.st_mtim.tv_nsec;
    changedSeconds = st.st_ctim.tv_sec;
    changedNanoseconds = st.st_ctim.tv_nsec;
    device = st.st_dev;
    inode = st.st_ino;
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
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return DiskState::Changed;
        }
        if (got == 0) break;
        digest.Add(std::string_view(chunk, static_cast<std::size_t>(got)));
    }
    ::close(fd);
    return digest.Size() == stamp.size && digest.Value() == stamp.digest ? DiskState::Unchanged
                                                                         : DiskState::Changed;
}

}  // namespace rules
