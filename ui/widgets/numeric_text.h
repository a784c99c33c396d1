#pragma once

#include <string>
#include <string_view>

namespace ui {

// The number a stored text holds, for the controls that show numbers (radio
// groups, spinners): decimal digits with an optional sign; an empty text gives
// 0, anything after the digits is ignored, and values beyond the int range are
// clamped.
int NumericValue(std::string_view text);

inline std::string IndexText(int index) { return std::to_string(index); }

}  // namespace ui
