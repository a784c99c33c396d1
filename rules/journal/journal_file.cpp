#include "rules/journal/journal_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "rules/versions/version_store.h"

namespace rules {

namespace fs = std::filesystem;

namespace {

Status Failure(const fs::path& path, const char* what) {
    return Status::Error("The journal " + path.string() + " could not be " + what + ": " +
                         std::strerror(errno));
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Makes a rename or removal in `folder` durable.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

fs::path JournalPath(const fs::path& versionsRoot, const fs::path& rulesFile) {
    return VersionStore(versionsRoot, rulesFile).Folder() / "unsaved-edits.journal";
}

JournalFile::~JournalFile() { Close(); }

void JournalFile::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

Status JournalFile::Start(const fs::path& path, std::string_view bytes) {
    Close();
    path_ = path;
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    const fs::path part = fs::path(path).concat(".part");
    const int fd = ::open(part.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return Failure(path, "created");
    if (!WriteAll(fd, bytes) || ::fdatasync(fd) != 0) {
        Status failed = Failure(path, "written");
        ::close(fd);
        ::unlink(part.c_str());
        return failed;
    }
    if (::rename(part.c_str(), path.c_str()) != 0) {
        Status failed = Failure(path, "written");
        ::close(fd);
        ::unlink(part.c_str());
        return failed;
    }
    SyncFolder(path.parent_path());
    // The descriptor follows the file through the rename: appends go on it.
    fd_ = fd;
    return Status::Ok();
}

Status JournalFile::Append(std::string_view bytes) {
    if (fd_ < 0) return Status::Error("The journal " + path_.string() + " is not open");
    if (!WriteAll(fd_, bytes) || ::fdatasync(fd_) != 0) return Failure(path_, "written");
    return Status::Ok();
}

Status JournalFile::Remove() {
    Close();
    if (path_.empty()) return Status::Ok();
    if (::unlink(path_.c_str()) != 0 && errno != ENOENT) return Failure(path_, "removed");
    SyncFolder(path_.parent_path());
    return Status::Ok();
}

Status ReadJournalBytes(const fs::path& path, std::string& bytes) {
    return ReadWholeFile(path, bytes);
}

}  // namespace rules
