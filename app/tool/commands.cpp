#include "app/tool/commands.h"

#include "app/tool/command_help.h"

namespace tool {

namespace {

constexpr Command Declared(const reference::Page& page, int (*run)(const Arguments&, Streams)) {
    return {page.name, page.arguments, page.summary, page.help, run};
}

}  // namespace

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        Declared(reference::page_check, RunCheck),
        Declared(reference::page_diff, RunDiff),
        Declared(reference::page_set, RunSet),
        Declared(reference::page_format, RunFormat),
        Declared(reference::page_export, RunExport),
        Declared(reference::page_import, RunImport),
        Declared(reference::page_merge, RunMerge),
        Declared(reference::page_textconv, RunTextconv),
        Declared(reference::page_git_setup, RunGitSetup),
        Declared(reference::page_show, RunShow),
        Declared(reference::page_tree, RunTree),
        Declared(reference::page_lsp, RunLsp),
    };
    return commands;
}

}  // namespace tool
