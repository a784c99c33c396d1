#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>

namespace rules::detail {

// Writes everything or reports false; retries short writes and EINTR.
inline bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t put = ::write(fd, data, size);
        if (put < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

// Collects small pieces into one buffer so that a file of a million lines
// costs a few hundred write calls, without a second copy of the whole text.
class BufferedWriter {
  public:
    explicit BufferedWriter(int fd) : fd_(fd) { buffer_.reserve(kSize); }
    bool Put(std::string_view piece) {
        if (failed_) return false;
        if (buffer_.size() + piece.size() > kSize) {
            if (!Flush()) return false;
            if (piece.size() >= kSize) {
                failed_ = !WriteAll(fd_, piece.data(), piece.size());
                return !failed_;
            }
        }
        buffer_.append(piece);
        return true;
    }
    bool Flush() {
        if (failed_) return false;
        failed_ = !WriteAll(fd_, buffer_.data(), buffer_.size());
        buffer_.clear();
        return !failed_;
    }

  private:
    static constexpr std::size_t kSize = 1 << 16;
    int fd_;
    std::string buffer_;
    bool failed_ = false;
};

}  // namespace rules::detail
