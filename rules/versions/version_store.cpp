#include "rules/versions/version_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <system_error>

#include "rules/document/file_stamp.h"

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

Status VersionStore::KeepBytes(std::string_view bytes, std::chrono::system_clock::time_point now,
                               int* removedForRoom) {
    if (removedForRoom) *removedForRoom = 0;
    const auto where = [this](const std::string& why) {
        return Status::Error("The version could not be kept in " + folder_.string() + ": " + why);
    };
    std::error_code error;
    fs::create_directories(folder_, error);
    if (error) return where(Reason(error));
    if (!fs::is_directory(folder_, error)) return where("it is not a folder");

    const std::vector<KeptVersion> versions = List();
    if (!versions.empty() && versions.front().size == bytes.size()) {
        std::string newest;
        if (ReadWholeFile(versions.front().path, newest) && newest == bytes) return Status::Ok();
    }
    std::int64_t ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count();
    fs::path target = folder_ / VersionName(ms);
    while (fs::exists(target, error)) target = folder_ / VersionName(++ms);
    // Written under a name List() ignores, then renamed: a version is whole or absent.
    const fs::path partial = fs::path(target).concat(".part");
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) return where(std::generic_category().message(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            const std::string why = std::generic_category().message(errno);
            out.close();
            fs::remove(partial, error);
            return where(why);
        }
    }
    fs::rename(partial, target, error);
    if (error) {
        const std::string why = Reason(error);
        fs::remove(partial, error);
        return where(why);
    }
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
    std::ifstream in(path, std::ios::binary);
    if (!in) return Status::Error("Cannot open file " + path.string());
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) return Status::Error("Cannot read file " + path.string());
    return Status::Ok();
}

}  // namespace rules
