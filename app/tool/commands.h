#pragma once

#include "app/tool/tool.h"

namespace tool {

// The commands, one source file each; commands.cpp lists them.
int RunCheck(const Arguments& arguments, Streams io);
int RunDiff(const Arguments& arguments, Streams io);
int RunShow(const Arguments& arguments, Streams io);
int RunTree(const Arguments& arguments, Streams io);

}  // namespace tool
