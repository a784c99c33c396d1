#pragma once

#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string_view>

namespace rules {

// Reads an open file while `take` returns true, handing it each piece read;
// a read interrupted by a signal is tried again. False on a read error or
// as soon as `take` returns false.
template <typename Take>
bool ReadPiecesWhile(int fd, Take&& take) {
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        if (!take(std::string_view(chunk, static_cast<std::size_t>(got)))) return false;
    }
}

// Reads an open file to its end, handing each piece read to `take`. False on
// a read error.
template <typename Take>
bool ReadPieces(int fd, Take&& take) {
    return ReadPiecesWhile(fd, [&take](std::string_view piece) {
        take(piece);
        return true;
    });
}

}  // namespace rules
