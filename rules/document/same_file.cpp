#include "rules/document/same_file.h"

#include <sys/stat.h>

namespace rules {

bool SameFile(const std::string& a, const std::string& b) {
    // stat follows symbolic links, and two hard links share device and
    // inode: the file's identity, however it is named.
    struct stat sa {};
    struct stat sb {};
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace rules
