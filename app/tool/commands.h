#pragma once

#include "app/tool/tool.h"

namespace tool {

// The commands, one source file each; commands.cpp lists them.
int RunCheck(const Arguments& arguments, Streams io);
int RunDiff(const Arguments& arguments, Streams io);
int RunExport(const Arguments& arguments, Streams io);
int RunFormat(const Arguments& arguments, Streams io);
int RunImport(const Arguments& arguments, Streams io);
int RunSet(const Arguments& arguments, Streams io);
int RunMerge(const Arguments& arguments, Streams io);
int RunTextconv(const Arguments& arguments, Streams io);
int RunGitSetup(const Arguments& arguments, Streams io);
int RunShow(const Arguments& arguments, Streams io);
int RunTree(const Arguments& arguments, Streams io);
int RunLsp(const Arguments& arguments, Streams io);

// ovantra-rules --list-checks: every check name, its severity, whether it is
// on by default, and what it finds.
int ListChecks(Streams io);

}  // namespace tool
