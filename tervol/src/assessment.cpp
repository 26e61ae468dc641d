// Result assessment: target check, verdict, group report data, inert-free
// methane number, inert checks, inert-gas correction with group A20, and the
// high-hydrocarbon flag.
#include "core_state.hpp"
#include "polynomial.hpp"
#include "precision.hpp"

#include <algorithm>
#include <cmath>

namespace tervol {

namespace {

using tables::combustible_group_count;
using tables::inert_group;
using tables::last_grouped_slot;

void raise(int32_t& status, int32_t level) { status = std::max(status, level); }

// Does the apportionment reproduce each component's target share within 2 %?
bool check_targets(const CoreState& s, Result& result) {
    bool valid = true;
    for (int c = 1; c <= last_grouped_slot; ++c) {
        const float target = s.target_share[c];
        if (!(target > 0.1f)) {
            continue;
        }
        const float ratio = store(wide(s.apportioned_total[c]) / target);
        if (std::fabs(1.0 - wide(ratio)) > wide(0.02f)) {
            valid = false;
            auto& miss = result.target_misses[static_cast<std::size_t>(result.target_miss_count++)];
            miss.slot = c;
            miss.target_share = target;
            miss.apportioned_total = s.apportioned_total[c];
        }
    }
    return valid;
}

// Participating groups; those with a share of at least 0.05 are reported and
// raise the status when a member lies outside the measured range itself.
void report_groups(const CoreState& s, Result& result) {
    for (int g = 1; g <= combustible_group_count; ++g) {
        const float share = s.group_share[g];
        if (!(share > 0.0f)) {
            continue;
        }
        GroupResult& out = result.groups[static_cast<std::size_t>(result.group_count++)];
        out.group = g;
        out.methane_number = s.methane_number[g];
        out.share = share;
        for (int k = 1; k <= 3; ++k) {
            const float p = s.position_share[g][k];
            out.position_share[static_cast<std::size_t>(k - 1)] = p;
            const int slot = tables::group_members[g][k];
            if (slot != 0 && slot <= last_grouped_slot &&
                (p > tables::range_max[g][k] || p < tables::range_min[g][k])) {
                out.extrapolated = true;
            }
        }
        if (share >= 0.05f && out.extrapolated) {
            raise(result.status, 2);
        }
    }
}

float inert_free_methane_number(const CoreState& s) {
    // One formula: both sums carried in double until the result is stored.
    double weighted = 0.0;
    double shares = 0.0;
    for (int g = 1; g <= combustible_group_count; ++g) {
        weighted += wide(s.methane_number[g]) * s.group_share[g];
        shares += s.group_share[g];
    }
    return shares > 0.0 ? store(weighted / shares) : 0.0f;
}

void inert_gas_correction(const CoreState& s, Result& result) {
    using namespace tables;
    constexpr float smallest_combustible_share = 40.0f; // of the N2-free gas
    constexpr float largest_co2_share = 60.0f;
    const auto& row = coefficients[inert_group];
    const float S = s.weighted_combustible;
    const float co2 = s.working[CO2];
    const float n2 = s.working[N2];
    InertCorrection& inert = result.inert;
    inert.combustible = S;
    inert.co2 = co2;
    inert.n2 = n2;

    if (S < range_min[inert_group][1]) {
        inert.combustible_below_range = true;
        if (s.combustible_share < smallest_combustible_share) {
            raise(result.status, 4);
        }
    }
    if (co2 > range_max[inert_group][2]) {
        inert.co2_above_range = true;
        if (s.n2_free_share[CO2] > largest_co2_share) {
            raise(result.status, 4);
        }
    }
    if (n2 > range_max[inert_group][3]) {
        inert.n2_above_range = true;
    }
    if (inert.combustible_below_range || inert.co2_above_range || inert.n2_above_range) {
        raise(result.status, 1);
    }

    const float mn_inert_free = result.methane_number_inert_free;
    inert.methane_number_at_gas = MZPOLY_value(row, S, co2);
    inert.methane_number_pure_methane = MZPOLY_value(row, 100.0f, 0.0f);
    result.lambda1_methane_number = store(wide(inert.methane_number_at_gas) -
                                          inert.methane_number_pure_methane + mn_inert_free);

    // Nitrogen left out: the combustible-to-CO2 proportion of the gas.
    const float without_n2 = store(wide(co2) + S);
    inert.co2_n2_free = store(wide(co2) / without_n2 * 100.0);
    inert.combustible_n2_free = store(wide(S) / without_n2 * 100.0);
    inert.methane_number_n2_free =
        MZPOLY_value(row, inert.combustible_n2_free, inert.co2_n2_free);
    result.methane_number = store(wide(inert.methane_number_n2_free) -
                                  inert.methane_number_pure_methane + mn_inert_free);
}

} // namespace

void assess(CoreState& s, bool optimised, Result& result) {
    if (optimised) {
        if (!check_targets(s, result)) {
            raise(result.status, 4);
        } else if (s.spread > 5.0f) {
            raise(result.status, 3);
        }
        result.iterations = s.iterations;
        result.spread = s.spread;
        report_groups(s, result);
        result.methane_number_inert_free = inert_free_methane_number(s);
    }
    inert_gas_correction(s, result);
    result.high_hydrocarbons = s.high_hydrocarbons;
    if (s.high_hydrocarbons) {
        result.status += 10;
    }
}

void run_core(CoreState& state, Result& result, IterationObserver* observer) {
    result.status = 0;
    const bool optimised = set_up_apportionment(state);
    if (optimised) {
        optimise(state, observer);
    }
    result.optimised = optimised;
    assess(state, optimised, result);
}

} // namespace tervol
