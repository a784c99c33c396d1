#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string_view>

namespace rules {

// Reads an open file to its end, handing each piece read to `take`; a read
// interrupted by a signal is tried again. False on a read error.
template <typename Take>
bool ReadPieces(int fd, Take&& take) {
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        take(std::string_view(chunk, static_cast<std::size_t>(got)));
    }
}

}  // namespace rules
