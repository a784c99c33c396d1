#pragma once

#include <string>

namespace rules {

// Whether two names lead to one file on disk: the same name written two
// ways, a symbolic link to it, or another hard link of it (one device and
// one inode). A name that leads to no file is no other file, so a file yet
// to be made never counts.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace rules
