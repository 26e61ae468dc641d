// The methane number as the dialog's result field shows it.
#pragma once

#include <cstdint>
#include <string>

namespace mncalc {

// The methane number plus 0.5, truncated toward zero (rounding half up for
// values from -0.5); " ?" follows when the result stands with reservation or
// the gas holds too much of the higher hydrocarbons; empty when the library
// found no valid methane number or rejected the input. No padding.
std::string dialog_display(float methane_number, int32_t status);

} // namespace mncalc
