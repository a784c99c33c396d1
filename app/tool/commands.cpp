#include "app/tool/commands.h"

namespace tool {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"check", "FILE...",
         "report what would make the game misread each rules file, one line per problem", RunCheck},
        {"show", "FILE", "print what the three edited sections of a rules file hold", RunShow},
    };
    return commands;
}

}  // namespace tool
