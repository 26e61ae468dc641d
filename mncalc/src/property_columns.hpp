// The six gas properties as batch columns and JSON keys, in their order.
#pragma once

#include "tervol/calculation.hpp"

#include <array>
#include <string_view>

namespace mncalc {

struct PropertyColumn {
    std::string_view name;
    float tervol::GasProperties::*member;
};

inline constexpr std::array<PropertyColumn, 6> property_columns = {{
    {"heating_value_kj_per_kg", &tervol::GasProperties::heating_value},
    {"air_requirement_kg_per_kg", &tervol::GasProperties::air_requirement},
    {"density_kg_per_m3", &tervol::GasProperties::density},
    {"real_gas_factor", &tervol::GasProperties::real_gas_factor},
    {"gas_constant_j_per_kg_k", &tervol::GasProperties::gas_constant},
    {"isentropic_exponent", &tervol::GasProperties::isentropic_exponent},
}};

} // namespace mncalc
