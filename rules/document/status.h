#pragma once

#include <string>
#include <utility>

namespace rules {

// Outcome of an operation that can fail. The message is the user-facing text
// without the closing "." (the error box adds it), e.g. "Cannot open file rules.txt".
struct Status {
    bool ok = true;
    std::string message;

    static Status Ok() { return {}; }
    static Status Error(std::string text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace rules
