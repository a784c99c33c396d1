#include "rules/document/line_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include "rules/document/buffered_writer.h"
#include "rules/document/read_pieces.h"

namespace rules {

namespace fs = std::filesystem;

void LineStore::LoadBytes(std::string_view bytes) { LoadBytes(std::string(bytes)); }

void LineStore::LoadBytes(std::string&& bytes) {
    replaced_.clear();
    Index(std::move(bytes));
}

const std::shared_ptr<const LineStore::Text>& LineStore::NoText() {
    static const std::shared_ptr<const Text> none = std::make_shared<const Text>();
    return none;
}

LineStore::FileMatch LineStore::MatchesFile() const {
    if (!file_.known) return FileMatch::Unknown;
    return file_.asLoaded && replaced_ == file_.replaced ? FileMatch::Same : FileMatch::Different;
}

bool LineStore::SameLines(const LineStore& other) const {
    if (LineCount() != other.LineCount() || endsWithBreak_ != other.endsWithBreak_) return false;
    if (text_ == other.text_) return replaced_ == other.replaced_;
    for (int k = 0; k < LineCount(); ++k)
        if (GetLine(k) != other.GetLine(k)) return false;
    return true;
}

void LineStore::Clear() {
    text_ = NoText();
    replaced_.clear();
    endsWithBreak_ = false;
    crLfOnly_ = false;
    file_ = {};
}

// The raw bytes stay where they are; a line is a span between breaks. CR LF,
// a lone CR and a lone LF each end a line, so LF CR is two breaks. Counting
// first lets the span table be allocated once at its exact size, which keeps
// the peak memory of a large file predictable.
void LineStore::Index(std::string&& bytes) {
    auto text = std::make_shared<Text>();
    text->bytes = std::move(bytes);
    const std::size_t n = text->bytes.size();
    const char* p = text->bytes.data();

    const auto lfCount = static_cast<std::size_t>(std::count(p, p + n, '\n'));
    std::size_t crCount = 0;
    std::size_t crLfCount = 0;
    for (const char* cr = static_cast<const char*>(std::memchr(p, '\r', n)); cr != nullptr;
         cr = static_cast<const char*>(
             std::memchr(cr + 1, '\r', static_cast<std::size_t>(p + n - cr - 1)))) {
        ++crCount;
        if (cr + 1 < p + n && cr[1] == '\n') ++crLfCount;
    }
    const std::size_t breaks = lfCount + crCount - crLfCount;
    endsWithBreak_ = n > 0 && (p[n - 1] == '\r' || p[n - 1] == '\n');
    // Every break already CR LF: saving gives back the bytes read.
    crLfOnly_ = crCount == crLfCount && lfCount == crLfCount;
    file_ = {true, crLfOnly_, {}};
    const std::size_t count = (n == 0) ? 0 : breaks + (endsWithBreak_ ? 0 : 1);

    std::vector<Span> spans;
    spans.reserve(count);
    std::size_t start = 0;
    if (crCount == crLfCount) {
        // Every CR belongs to a CR LF: each line ends at an LF (the usual case).
        for (const char* lf = static_cast<const char*>(std::memchr(p, '\n', n)); lf != nullptr;
             lf = static_cast<const char*>(std::memchr(p + start, '\n', n - start))) {
            const auto at = static_cast<std::size_t>(lf - p);
            const std::size_t end = (at > start && p[at - 1] == '\r') ? at - 1 : at;
            spans.push_back({start, end - start});
            start = at + 1;
            if (start >= n) break;
        }
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            if (p[i] == '\r' || p[i] == '\n') {
                spans.push_back({start, i - start});
                if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') ++i;
                start = i + 1;
            }
        }
    }
    if (start < n) spans.push_back({start, n - start});
    text->lines = std::move(spans);
    text_ = std::move(text);
}

std::string_view LineStore::GetLine(int index) const {
    if (index < 0 || index >= LineCount()) return {};
    if (!replaced_.empty()) {
        auto it = replaced_.find(index);
        if (it != replaced_.end()) return it->second;
    }
    const Span& s = text_->lines[static_cast<std::size_t>(index)];
    return std::string_view(text_->bytes).substr(s.offset, s.length);
}

void LineStore::PutLine(int index, std::string text) {
    if (index < 0 || index >= LineCount()) return;
    const Span& s = text_->lines[static_cast<std::size_t>(index)];
    if (std::string_view(text_->bytes).substr(s.offset, s.length) == text) {
        replaced_.erase(index);  // back to what was loaded: no copy needed
        return;
    }
    replaced_[index] = std::move(text);
}

template <typename Sink>
void LineStore::Emit(Sink&& sink) const {
    const int count = LineCount();
    if (crLfOnly_) {
        // The text's own breaks are CR LF already: the lines between two
        // replaced ones go out as they stand, breaks and all, in one piece.
        std::vector<int> edited;
        edited.reserve(replaced_.size());
        for (const auto& entry : replaced_) edited.push_back(entry.first);
        std::sort(edited.begin(), edited.end());
        const auto withBreak = [&](int line) { return line + 1 < count || endsWithBreak_; };
        const auto run = [&](int from, int to) {  // lines [from, to) as read
            if (from >= to) return true;
            const Span& last = text_->lines[static_cast<std::size_t>(to - 1)];
            const std::size_t begin = text_->lines[static_cast<std::size_t>(from)].offset;
            const std::size_t end = last.offset + last.length + (withBreak(to - 1) ? 2 : 0);
            return sink(std::string_view(text_->bytes).substr(begin, end - begin));
        };
        int next = 0;
        for (const int line : edited) {
            if (!run(next, line) || !sink(std::string_view(replaced_.at(line)))) return;
            if (withBreak(line) && !sink(std::string_view("\r\n", 2))) return;
            next = line + 1;
        }
        run(next, count);
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (!sink(GetLine(i))) return;
        if (i + 1 < count || endsWithBreak_) {
            if (!sink(std::string_view("\r\n", 2))) return;
        }
    }
}

ContentDigest LineStore::Digest() const {
    ContentDigest digest;
    Emit([&](std::string_view piece) {
        digest.Add(piece);
        return true;
    });
    return digest;
}

std::string LineStore::SaveBytes() const {
    std::size_t total = 0;
    Emit([&](std::string_view piece) {
        total += piece.size();
        return true;
    });
    std::string out;
    out.reserve(total);
    Emit([&](std::string_view piece) {
        out.append(piece);
        return true;
    });
    return out;
}

Status LineStore::LoadFile(const std::string& fileName, FileStamp* stamp) {
    const Status failure = Status::Error("Cannot open file " + fileName);
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return failure;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return failure;
    }
    std::string bytes;
    if (S_ISREG(st.st_mode) && st.st_size > 0) bytes.reserve(static_cast<std::size_t>(st.st_size));
    if (!ReadPieces(fd, [&bytes](std::string_view piece) { bytes.append(piece); })) {
        ::close(fd);
        return failure;
    }
    if (stamp) {
        ContentDigest digest;
        digest.Add(bytes);
        *stamp = FileStamp::Of(fd, digest);
    }
    ::close(fd);
    LoadBytes(std::move(bytes));
    return Status::Ok();
}

namespace {

// The file that a write to `name` really lands in: symbolic links are
// followed (also a dangling one, which then names the file to create), so
// that saving replaces the linked file and keeps the link.
fs::path ResolveTarget(const std::string& name) {
    fs::path path(name);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        fs::path next = fs::read_symlink(path, ec);
        if (ec) return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

mode_t DefaultFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

Status LineStore::SaveFile(const std::string& fileName, FileStamp* written) const {
    const Status cannotCreate = Status::Error("Cannot create file " + fileName);
    const Status writeError = Status::Error("Stream write error");
    if (fileName.empty()) return cannotCreate;

    const fs::path target = ResolveTarget(fileName);
    struct stat targetStat {};
    const bool targetExists = ::stat(target.c_str(), &targetStat) == 0;
    if (targetExists && S_ISDIR(targetStat.st_mode)) return cannotCreate;
    // Replacing the file through a rename would ignore its own mode: a file
    // the user made read-only must stay as it is.
    if (targetExists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
        return cannotCreate;

    ContentDigest digest;
    FileStamp stamp;
    auto emitTo = [&](int fd) {
        detail::BufferedWriter writer(fd);
        bool ok = true;
        Emit([&](std::string_view piece) {
            if (written) digest.Add(piece);
            return ok = writer.Put(piece);
        });
        return ok && writer.Flush();
    };
    // Called on the written file before it is closed: its time is final.
    auto record = [&](int fd) {
        if (written) stamp = FileStamp::Of(fd, digest);
    };
    auto keepStamp = [&]() {
        if (written) *written = stamp;
        return Status::Ok();
    };

    // Writes the content over the existing target itself. Not atomic, so it
    // is kept for the cases where a replacement file cannot be made.
    auto rewriteInPlace = [&]() {
        const bool regular = S_ISREG(targetStat.st_mode);
        const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0) return cannotCreate;
        bool ok = emitTo(fd);
        if (ok && regular) {
            const off_t end = ::lseek(fd, 0, SEEK_CUR);
            ok = end >= 0 && ::ftruncate(fd, end) == 0 && ::fsync(fd) == 0;
        }
        if (ok && regular) record(fd);
        ok = (::close(fd) == 0) && ok;
        return ok ? keepStamp() : writeError;
    };

    // A device or pipe under the name is written to, never replaced.
    if (targetExists && !S_ISREG(targetStat.st_mode)) return rewriteInPlace();

    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    // Built by appending: g++ 12 at -O3 reports a false -Wrestrict for
    // "." + std::string, which -Werror turns into a failed release build.
    std::string tempLeaf = ".";
    tempLeaf += target.filename().string();
    tempLeaf += ".XXXXXX";
    std::string tempName = (dir / tempLeaf).string();
    const int tempFd = ::mkstemp(tempName.data());

    if (tempFd < 0) {
        // The folder takes no new file. A writable existing file can still be
        // rewritten in place; that is the only way to save there. Other
        // failures (a full disk) would leave a half-written file, so no.
        const bool denied = errno == EACCES || errno == EPERM;
        if (!denied || !targetExists) return cannotCreate;
        return rewriteInPlace();
    }

    auto discard = [&](const Status& status) {
        ::close(tempFd);
        ::unlink(tempName.c_str());
        return status;
    };

    if (targetExists) {
        // Keeps the owner when saving someone else's file as root; an
        // ordinary user cannot give files away, and that is fine. The owner
        // goes first, since changing it clears set-id bits of the mode.
        if (::fchown(tempFd, targetStat.st_uid, targetStat.st_gid) != 0) {
            // the file simply belongs to the one who saved it
        }
        ::fchmod(tempFd, targetStat.st_mode & 07777);
    } else {
        ::fchmod(tempFd, DefaultFileMode());
    }

    if (!emitTo(tempFd)) return discard(writeError);
    if (::fsync(tempFd) != 0) return discard(writeError);
    record(tempFd);
    if (::close(tempFd) != 0) {
        ::unlink(tempName.c_str());
        return writeError;
    }
    if (::rename(tempName.c_str(), target.c_str()) != 0) {
        ::unlink(tempName.c_str());
        return cannotCreate;
    }
    // The rename moved the file's status-change time: the stamp takes the
    // new one, or the next save would take the file for touched by someone
    // and read all of it again to tell.
    struct stat renamed {};
    if (written && ::stat(target.c_str(), &renamed) == 0 && renamed.st_ino == stamp.inode &&
        static_cast<std::uint64_t>(renamed.st_dev) == stamp.device) {
        stamp.changedSeconds = renamed.st_ctim.tv_sec;
        stamp.changedNanoseconds = renamed.st_ctim.tv_nsec;
    }
    // Make the rename itself durable; a failure here loses nothing that the
    // file system has not already promised, so it is not reported.
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return keepStamp();
}

}  // namespace rules
