// Converting the apportioned entry values to volume percent.
#pragma once

#include "mn/front_state.h"

#include <string>

namespace mn {

// Molar masses [g/mol] and real-gas factors [-] (compressibility of the pure
// gas at the norm state) by slot; the front end's own copy of the first 17
// rows of the library's component property table.
extern const ComponentValues molar_mass;
extern const ComponentValues real_gas_factor;

// Ideal molar volume [l/mol]. It cancels in the scaling but is applied all
// the same, as the rounding depends on it.
inline constexpr float ideal_molar_volume = 22.414f;

// Converts `entry_values` (apportioned to 100 in the unit of `unit_text`) to
// volume percent. " Volume-%" copies; " Mol-%" weighs each slot with
// Z * V and " Mass-%" with Z * V / M, then both scale the weights to 100.
// Products and quotients are formed in double and rounded to single
// precision at each store; the running sum is rounded after every addition,
// in slot order. Any other unit text copies, like volume percent.
ComponentValues convert_to_volume_percent(const ComponentValues& entry_values,
                                          const std::string& unit_text);

} // namespace mn
