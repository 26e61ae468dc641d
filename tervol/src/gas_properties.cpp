#include "core_state.hpp"
#include "precision.hpp"

namespace tervol {

GasProperties compute_gas_properties(const std::array<float, slots_dim>& x) {
    using tables::component_properties;
    constexpr float gas_constant_universal = 8314.41f; // J/(kmol K)
    constexpr float norm_temperature = 273.15f;        // K
    constexpr float norm_pressure = 101325.0f;         // Pa
    constexpr float air_per_oxygen = 4.322455f;        // kg air / kg O2
    constexpr float kwh_per_kj = 0.00027777778f;
    constexpr float air_volume_per_mass = 0.77339524f; // m3 air / kg air at norm state

    // Mass terms; dividing by the real-gas factor turns a volume share into
    // an amount of substance. Slot sums are one formula each: carried in
    // double, rounded when stored.
    std::array<float, slots_dim> mass_term{};
    double mass_sum = 0.0;
    for (int i = 1; i <= tables::component_count; ++i) {
        const auto& p = component_properties[i];
        mass_term[i] = store(wide(p.molar_mass) / p.real_gas_factor * x[i]);
        mass_sum += mass_term[i];
    }
    const float total_mass = store(mass_sum);

    GasProperties out;
    // Only negative inputs that cancel the others make the mass sum non-positive;
    // such a gas has no properties, and dividing by it would give nonsense.
    if (!(total_mass > 0.0f)) {
        return out;
    }

    double heating = 0.0, gas_constant = 0.0, real_gas = 0.0, heat_capacity = 0.0, oxygen = 0.0;
    for (int i = 1; i <= tables::component_count; ++i) {
        const auto& p = component_properties[i];
        const float mass_fraction = store(wide(mass_term[i]) / total_mass);
        const float component_gas_constant =
            store(wide(mass_fraction) / p.molar_mass * gas_constant_universal);
        heating += wide(mass_fraction) * p.heating_value;
        gas_constant += component_gas_constant;
        real_gas += wide(p.real_gas_factor) * mass_fraction;
        heat_capacity += wide(component_gas_constant) / (wide(p.isentropic_exponent) - 1.0);
        oxygen += wide(p.oxygen_requirement) * mass_fraction;
    }
    out.heating_value = store(heating);
    out.gas_constant = store(gas_constant);
    out.real_gas_factor = store(real_gas);
    const float cv = store(heat_capacity);
    const float oxygen_requirement = store(oxygen);

    out.density = store(wide(norm_pressure) /
                        (wide(out.real_gas_factor) * out.gas_constant * norm_temperature));
    out.isentropic_exponent = store(wide(out.gas_constant) / cv + 1.0);
    out.air_requirement = store(wide(oxygen_requirement) * air_per_oxygen);
    out.volumetric_heating_value = store(wide(out.heating_value) * out.density * kwh_per_kj);
    out.volumetric_air_requirement =
        store(wide(out.air_requirement) * out.density * air_volume_per_mass);
    return out;
}

} // namespace tervol
