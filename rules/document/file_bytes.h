#pragma once

// A whole file as bytes, exactly as they stand: for tools that must give a
// file back byte for byte (a merge whose result is one of its inputs), which
// the line store, making every line break CR LF, does not.

#include <string>
#include <string_view>

#include "rules/document/status.h"

namespace rules {

// Fails with "Cannot open file <name>", as loading a rules file does.
Status ReadFileBytes(const std::string& fileName, std::string& bytes);
// Creates or overwrites the file. Fails with "Cannot create file <name>" or
// "Stream write error".
Status WriteFileBytes(const std::string& fileName, std::string_view bytes);

}  // namespace rules
