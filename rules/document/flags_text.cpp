#include "rules/document/flags_text.h"

#include "rules/document/unit_table.h"

namespace rules {

namespace {

bool OnlyZerosAndOnes(std::string_view text) {
    return text.find_first_not_of("01") == std::string_view::npos;
}

}  // namespace

bool AreFlags(std::string_view text) {
    return text.size() == static_cast<std::size_t>(kFlagCount) && OnlyZerosAndOnes(text);
}

FlagsText ParseFlags(std::string_view text) {
    if (AreFlags(text)) return {std::string(text), false, {}};
    // An empty cell is no number a spreadsheet wrote: "0" would stand for
    // no flag set.
    if (!text.empty() && text.size() < static_cast<std::size_t>(kFlagCount) && OnlyZerosAndOnes(text))
        return {std::string(static_cast<std::size_t>(kFlagCount) - text.size(), '0') + std::string(text), true, {}};
    return {{}, false, "Flags are fifteen characters \"0\" or \"1\"."};
}

}  // namespace rules
