// Input preparation around the core calculation: copies, sum check,
// air-nitrogen removal, normalisation, and the gas properties of the gas as
// given.
#include "core_state.hpp"
#include "precision.hpp"

#include <cmath>

namespace tervol {

namespace {

constexpr float air_nitrogen_per_oxygen = 3.7259f; // volume N2 per volume O2 in air

} // namespace

bool total_accepted(float total) {
    return total > 0.0f && std::fabs(wide(total) - 100.0) <= 1.0;
}

Result calculate(const Composition& composition, IterationObserver* observer) {
    using tables::last_combustible_slot;
    using tables::N2;
    using tables::CO2;
    using tables::O2;
    Result result;
    CoreState state;

    // Sums rounded to single precision after every addition, in slot order.
    float total = 0.0f;
    float combustible = 0.0f;
    for (int i = 1; i <= component_count; ++i) {
        const float value = composition[static_cast<std::size_t>(i - 1)];
        state.untouched[i] = value;
        state.working[i] = value;
        total = store(wide(total) + value);
        if (i <= last_combustible_slot) {
            combustible = store(wide(combustible) + value);
        }
    }

    if (!total_accepted(total)) {
        result.status = -1;
        return result;
    }
    result.accepted = true;

    auto& v = state.working;
    if (combustible > 0.0f) {
        float sum = store(wide(v[N2]) + v[CO2] + combustible);
        float air_nitrogen = store(wide(v[O2]) * air_nitrogen_per_oxygen);
        if (v[N2] < air_nitrogen) {
            air_nitrogen = v[N2]; // nitrogen never becomes negative
        }
        sum = store(wide(sum) - air_nitrogen);
        v[N2] = store(wide(v[N2]) - air_nitrogen);
        const float factor = store(100.0 / wide(sum));
        for (int i = 1; i <= CO2; ++i) {
            v[i] = store(wide(v[i]) * factor);
        }
        result.calculated = true;
        run_core(state, result, observer);
    }

    result.properties = compute_gas_properties(state.untouched);
    return result;
}

} // namespace tervol
