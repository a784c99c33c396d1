#pragma once

#include <string>
#include <string_view>

namespace tool {

// A JSON string literal of the text, quotes included. Sentences and names are
// UTF-8 already; a file name is passed on as its bytes.
std::string JsonString(std::string_view text);

}  // namespace tool
