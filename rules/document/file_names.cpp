#include "rules/document/file_names.h"

#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace rules {

namespace fs = std::filesystem;

namespace {

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::string ResolveFileName(const std::string& name) {
    std::error_code ec;
    if (name.empty() || fs::exists(fs::symlink_status(name, ec))) return name;
    // Only bare names are looked up case-insensitively, in the working directory.
    if (name.find('/') != std::string::npos) return name;
    fs::directory_iterator it(".", ec);
    if (ec) return name;
    std::string best;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        const std::string candidate = it->path().filename().string();
        // Several spellings of one name: the first in byte order, so the
        // choice does not depend on the order the directory lists them.
        if (EqualIgnoringAsciiCase(candidate, name) && (best.empty() || candidate < best)) {
            best = candidate;
        }
    }
    return best.empty() ? name : best;
}

bool FileIsReadable(const std::string& name) {
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) return false;
    struct stat st {};
    const bool isDirectory = ::fstat(fileno(file), &st) == 0 && S_ISDIR(st.st_mode);
    std::fclose(file);
    return !isDirectory;
}

}  // namespace rules
