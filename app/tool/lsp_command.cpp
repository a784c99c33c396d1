// ovantra-rules lsp: the language server, over standard input and output.

#include <unistd.h>

#include <iostream>

#include "app/lsp/server.h"
#include "app/tool/commands.h"

namespace tool {

int RunLsp(const Arguments& arguments, Streams io) {
    const Command& command = CommandNamed("lsp");
    std::vector<std::string> none;
    if (const std::optional<int> stop = TakeFileNames(command, arguments, io, none)) return *stop;
    if (!none.empty())
        return UsageError(command, "lsp takes no file; the editor sends the text", io);
    // Standard output carries the protocol alone; everything else is logged.
    lsp::FileSource input(STDIN_FILENO);
    return lsp::Serve(input, io.out, io.err);
}

}  // namespace tool
