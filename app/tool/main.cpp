#include <iostream>

#include "app/tool/tool.h"

int main(int argc, char** argv) {
    const tool::Arguments arguments(argv + 1, argv + argc);
    return tool::RunTool(arguments, {std::cout, std::cerr});
}
