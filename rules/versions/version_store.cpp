#include "rules/versions/version_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <system_error>

#include "rules/document/file_stamp.h"
#include "rules/document/read_pieces.h"

namespace rules {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLongestFolderName = 160;
constexpr std::string_view kSuffix = ".txt";

// 20261208-111936-123.txt -> milliseconds; -1 for a name of another kind.
std::int64_t ParseVersionName(const std::string& name) {
    int y, mo, d, h, mi, s, ms;
    char tail[8] = {};
    if (name.size() != 23 ||
        std::sscanf(name.c_str(), "%4d%2d%2d-%2d%2d%2d-%3d%4s", &y, &mo, &d, &h, &mi, &s, &ms,
                    tail) != 8 ||
        std::string_view(tail) != kSuffix) {
        return -1;
    }
    const std::chrono::year_month_day date{std::chrono::year(y), std::chrono::month(unsigned(mo)),
                                           std::chrono::day(unsigned(d))};
    if (!date.ok()) return -1;
    const auto days = std::chrono::sys_days(date).time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(days).count() +
           ((h * 60LL + mi) * 60LL + s) * 1000LL + ms;
}

std::string Reason(const std::error_code& error) { return error.message(); }

}  // namespace

VersionStore::VersionStore(const fs::path& root, const fs::path& rulesFile,
                           std::uintmax_t keptBytes)
    : keptBytes_(keptBytes) {
    std::error_code error;
    rulesFile_ = fs::absolute(rulesFile, error);
    if (error) rulesFile_ = rulesFile;
    rulesFile_ = rulesFile_.lexically_normal();
    folder_ = root / FolderName(rulesFile_.string());
}

std::string VersionStore::FolderName(const std::string& absolutePath) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string name;
    for (unsigned char c : absolutePath) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            c == '.' || c == '-') {
            name += static_cast<char>(c);
        } else {
            name += '_';
            name += kHex[c >> 4];
            name += kHex[c & 15];
        }
    }
    if (name.size() > kLongestFolderName) {
        ContentDigest digest;
        digest.Add(absolutePath);
        char tag[20];
        std::snprintf(tag, sizeof tag, "%016llx",
                      static_cast<unsigned long long>(digest.Value()));
        name = name.substr(name.size() - (kLongestFolderName - 17)) + "-" + tag;
    }
    return name;
}

std::string VersionStore::VersionName(std::int64_t keptAtMs) {
    const std::chrono::sys_time<std::chrono::milliseconds> at{std::chrono::milliseconds(keptAtMs)};
    const auto day = std::chrono::floor<std::chrono::days>(at);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss time{at - day};
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02u%02u-%02d%02d%02d-%03d.txt", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                  int(time.minutes().count()), int(time.seconds().count()),
                  int(time.subseconds().count()));
    return name;
}

Status VersionStore::Failure(const std::string& why) const {
    return Status::Error("The version could not be kept in " + folder_.string() + ": " + why);
}

Status VersionStore::MakeFolder() const {
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) return Failure(Reason(error));
    if (!fs::is_directory(folder_, error)) return Failure("it is not a folder");
    return Status::Ok();
}

fs::path VersionStore::FreeName(std::int64_t ms) const {
    std::error_code error;
    fs::path target = folder_ / VersionName(ms);
    while (fs::exists(target, error)) target = folder_ / VersionName(++ms);
    return target;
}

namespace {

std::int64_t Milliseconds(std::chrono::system_clock::time_point now) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
}

// Reads the file piece by piece, handing each piece to `take` until it
// returns false, and reads no further then: a difference near the start of
// a large file is found without reading the rest. False when `take` said so
// or the file cannot be read to its end.
template <typename Take>
bool EachPiece(const fs::path& path, Take&& take) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool whole = ReadPiecesWhile(fd, take);
    ::close(fd);
    return whole;
}

// Whether the file holds exactly `bytes`, read a piece at a time.
bool FileHolds(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    if (fs::file_size(path, error) != bytes.size() || error) return false;
    std::size_t at = 0;
    return EachPiece(path, [&](std::string_view piece) {
               const bool same = bytes.substr(at, piece.size()) == piece;
               at += piece.size();
               return same;
           }) &&
           at == bytes.size();
}

// Whether two files hold the same bytes, read a piece at a time.
bool SameBytes(const fs::path& a, const fs::path& b) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(a, error);
    if (error || fs::file_size(b, error) != size || error) return false;
    const int fd = ::open(b.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    std::string other;
    const bool same = EachPiece(a, [&](std::string_view piece) {
        other.resize(piece.size());
        std::size_t got = 0;
        while (got < piece.size()) {
            const ssize_t n = ::read(fd, other.data() + got, piece.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            got += static_cast<std::size_t>(n);
        }
        return piece == other;
    });
    ::close(fd);
    return same;
}

}  // namespace

Status VersionStore::KeepBytes(std::string_view bytes, std::chrono::system_clock::time_point now,
                               int* removedForRoom) {
    if (removedForRoom) *removedForRoom = 0;
    if (Status made = MakeFolder(); !made) return made;
    const std::vector<KeptVersion> versions = List();
    if (!versions.empty() && FileHolds(versions.front().path, bytes)) return Status::Ok();
    const fs::path target = FreeName(Milliseconds(now));
    // Written under a name List() ignores, then renamed: a version is whole or absent.
    const fs::path partial = fs::path(target).concat(".part");
    std::error_code error;
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) return Failure(std::generic_category().message(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const std::string why = std::generic_category().message(errno);
            out.close();
            fs::remove(partial, error);
            return Failure(why);
        }
    }
    fs::rename(partial, target, error);
    if (error) {
        const std::string why = Reason(error);
        fs::remove(partial, error);
        return Failure(why);
    }
    const int removed = Prune();
    if (removedForRoom) *removedForRoom = removed;
    return Status::Ok();
}

Status VersionStore::Stage(const fs::path& file, Staged& staged) {
    staged = {};
    if (Status made = MakeFolder(); !made) return made;
    std::error_code error;
    // The file a save replaces: links followed.
    const fs::path real = fs::canonical(file, error);
    if (error) return Failure(Reason(error));
    // Named after the time, so that no two staged files meet.
    const fs::path part = fs::path(FreeName(Milliseconds(std::chrono::system_clock::now())))
                              .concat(".part");
    // A link costs nothing, but holds the old bytes only if the save puts a
    // new file in place rather than writing into this one, which it does
    // wherever the folder takes a new file; and only if no other name links
    // the file too, through which anyone could still write into the version.
    const fs::path folder = real.parent_path().empty() ? fs::path(".") : real.parent_path();
    struct stat status {};
    const bool linkedNowhereElse = ::stat(real.c_str(), &status) == 0 && status.st_nlink == 1;
    if (linkedNowhereElse && ::access(folder.c_str(), W_OK) == 0 &&
        ::link(real.c_str(), part.c_str()) == 0) {
        staged = {part, true};
        return Status::Ok();
    }
    if (!fs::copy_file(real, part, fs::copy_options::overwrite_existing, error)) {
        const std::string why = error ? Reason(error) : std::string("it could not be copied");
        fs::remove(part, error);
        return Failure(why);
    }
    staged = {part, false};
    return Status::Ok();
}

void VersionStore::DropStaged(Staged& staged) const {
    std::error_code error;
    if (!staged.part.empty()) fs::remove(staged.part, error);
    staged = {};
}

Status VersionStore::KeepStaged(Staged& staged, std::chrono::system_clock::time_point now,
                                int* removedForRoom) {
    if (removedForRoom) *removedForRoom = 0;
    if (staged.part.empty()) return Status::Ok();
    const std::vector<KeptVersion> versions = List();
    if (!versions.empty() && SameBytes(versions.front().path, staged.part)) {
        DropStaged(staged);
        return Status::Ok();
    }
    std::error_code error;
    fs::rename(staged.part, FreeName(Milliseconds(now)), error);
    if (error) {
        const std::string why = Reason(error);
        DropStaged(staged);
        return Failure(why);
    }
    staged = {};
    const int removed = Prune();
    if (removedForRoom) *removedForRoom = removed;
    return Status::Ok();
}

int VersionStore::Prune() const {
    std::error_code error;
    const std::vector<KeptVersion> versions = List();
    std::uintmax_t total = 0;
    int removedForRoom = 0;
    for (std::size_t k = 0; k < versions.size(); ++k) {
        total += versions[k].size;
        const bool tooMany = k >= static_cast<std::size_t>(kKept);
        const bool tooLarge = k > 0 && total > keptBytes_;
        if (!tooMany && !tooLarge) continue;
        fs::remove(versions[k].path, error);
        if (!tooMany) ++removedForRoom;
    }
    return removedForRoom;
}

fs::path DefaultVersionsRoot() {
    fs::path data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
        data = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        data = fs::path(home) / ".local" / "share";
    } else {
        return {};
    }
    return data / "Ovantra Rules File Editor" / "versions";
}

std::vector<KeptVersion> VersionStore::List() const {
    std::vector<KeptVersion> versions;
    std::error_code error;
    for (fs::directory_iterator it(folder_, error), end; !error && it != end;
         it.increment(error)) {
        const std::int64_t ms = ParseVersionName(it->path().filename().string());
        if (ms < 0 || !it->is_regular_file(error)) continue;
        versions.push_back({it->path(), ms, it->file_size(error)});
    }
    std::sort(versions.begin(), versions.end(),
              [](const KeptVersion& a, const KeptVersion& b) { return a.keptAtMs > b.keptAtMs; });
    return versions;
}

Status ReadWholeFile(const fs::path& path, std::string& bytes) {
    bytes.clear();
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error) bytes.reserve(static_cast<std::size_t>(size));
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Status::Error("Cannot open file " + path.string());
    const bool read = ReadPieces(fd, [&bytes](std::string_view piece) { bytes.append(piece); });
    ::close(fd);
    if (!read) return Status::Error("Cannot read file " + path.string());
    return Status::Ok();
}

}  // namespace rules
