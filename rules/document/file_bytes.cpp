#include "rules/document/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "rules/document/read_pieces.h"

namespace rules {

Status ReadFileBytes(const std::string& fileName, std::string& bytes) {
    const Status failure = Status::Error("Cannot open file " + fileName);
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return failure;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    std::string read;
    if (ok) ok = ReadPieces(fd, [&read](std::string_view piece) { read.append(piece); });
    ::close(fd);
    if (!ok) return failure;
    bytes = std::move(read);
    return Status::Ok();
}

Status WriteFileBytes(const std::string& fileName, std::string_view bytes) {
    const int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return Status::Error("Cannot create file " + fileName);
    bool ok = true;
    while (ok && !bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR) continue;
        ok = put > 0;
        if (ok) bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    ok = ::close(fd) == 0 && ok;
    return ok ? Status::Ok() : Status::Error("Stream write error");
}

}  // namespace rules
