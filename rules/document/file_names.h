#pragma once

#include <string>

namespace rules {

// On a case-sensitive file system, finds the file of the working directory
// whose name matches `name` ignoring ASCII letter case. Returns `name` itself
// when that file exists, or when nothing matches (so the caller's error names
// the file it asked for).
std::string ResolveFileName(const std::string& name);

// Silent test: can the file be opened for reading?
bool FileIsReadable(const std::string& name);

}  // namespace rules
