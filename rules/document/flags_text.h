#pragma once

#include <string>
#include <string_view>

namespace rules {

// The one rule for a unit's flags, wherever they are typed, pasted, imported
// or checked: exactly fifteen characters "0" or "1".
bool AreFlags(std::string_view text);

// Flags as a user hands them in. A shorter text of only "0" and "1" is what
// a spreadsheet makes of them: it reads "001000000000000" as a number and
// writes "1000000000000". Its leading zeros are put back, and the caller is
// told so it can say so; anything else that is not fifteen "0"/"1" is refused.
struct FlagsText {
    std::string flags;           // fifteen "0"/"1" when accepted
    bool zerosRestored = false;  // the text was shorter and got its zeros back
    std::string problem;         // why it is refused (ASCII); empty when accepted
};
FlagsText ParseFlags(std::string_view text);

}  // namespace rules
