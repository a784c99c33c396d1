#pragma once

#include <sstream>
#include <string>

#include "app/tool/tool.h"

namespace tool {

// What one in-process run of the tool printed and returned.
struct Outcome {
    int status;
    std::string out;
    std::string err;
};

inline Outcome Tool(const Arguments& arguments) {
    std::ostringstream out, err;
    const int status = RunTool(arguments, {out, err});
    return {status, out.str(), err.str()};
}

}  // namespace tool
