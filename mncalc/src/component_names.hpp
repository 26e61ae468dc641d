// Names of the seventeen components as the user types them.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mncalc {

inline constexpr int component_count = 17;

// Formulas in slot order; index 0 is slot 1.
inline constexpr std::array<std::string_view, component_count> component_formulas = {
    "CO",    "C4H6", "C4H8", "C2H4",  "C3H6", "H2S", "H2", "C3H8", "C2H6",
    "C4H10", "CH4",  "CxHy", "C5H12", "N2",   "CO2", "O2", "H2O"};

// Index (0 to 16) of a component name: a formula in any letter case, or the
// dialog's label "C6+" for CxHy. Blanks around the name are ignored.
std::optional<int> component_index(std::string_view name);

// "CO, C4H6, ..., H2O (C6+ for CxHy)": for messages about unknown names.
std::string valid_component_names();

} // namespace mncalc
