// The working record of one calculation. Arrays are indexed from 1 like the
// formulas: [g][k] for group g and position k, [c] for component slot c.
// Everything is single precision; shares and amounts are percentages.
#pragma once

#include "tables.hpp"
#include "tervol/calculation.hpp"

#include <array>

namespace tervol {

inline constexpr int groups_dim = tables::group_count + 1;
inline constexpr int slots_dim = tables::component_count + 1;
inline constexpr int combustible_dim = tables::last_combustible_slot + 1;
// Methane belongs to ten groups; the list holds them all.
inline constexpr int group_list_capacity = 10;

template <typename T> using PerPosition = std::array<std::array<T, 4>, groups_dim>;
template <typename T> using PerGroup = std::array<T, groups_dim>;
template <typename T> using PerComponent = std::array<T, combustible_dim>;

struct CoreState {
    // Inputs: the normalised working copy v and the caller's values r.
    std::array<float, slots_dim> working{};
    std::array<float, slots_dim> untouched{};

    // Per group position.
    PerPosition<float> lower_bound{};        // L(k,g)
    PerPosition<float> upper_bound{};        // H(k,g)
    PerPosition<float> amount{};             // X(k,g), percent of the combustible gas
    PerPosition<int> zero_count{};           // nz(k,g)
    PerPosition<float> position_share{};     // p(k,g), percent of the group
    PerPosition<float> lower_margin{};       // mL(k,g)
    PerPosition<float> upper_margin{};       // mH(k,g)
    PerPosition<float> amount_change{};      // d(k,g)
    PerPosition<float> slope{};              // G(k,g)

    // Per group.
    PerGroup<float> selection_weight{};      // a(g)
    PerGroup<int> shared_members{};          // w(g)
    PerGroup<float> group_share{};           // s(g)
    PerGroup<float> methane_number{};        // M(g), -100 until evaluated
    PerGroup<float> dx{}, dy{}, dxx{}, dyy{};
    PerGroup<int> active_shared_members{};   // wa(g)
    PerGroup<float> deviation{};             // dev(g)
    PerGroup<float> relative_deviation{};    // rel(g)
    PerGroup<float> improvement{};           // e(g)

    // Per component.
    PerComponent<float> target_share{};      // z(c)
    PerComponent<std::array<int, group_list_capacity>> group_list{};
    PerComponent<std::array<int, group_list_capacity>> list_position{}; // k(c,g) of each entry
    PerComponent<int> group_count{};         // n(c)
    PerComponent<int> selection_class{};     // K(c)
    PerComponent<float> selection_value{};   // V(c)
    PerComponent<float> bound_sum{};         // W(c)
    PerComponent<float> smallest_amount{};   // b(c)
    PerComponent<float> step_factor{};       // f(c)
    PerComponent<float> largest_curvature{}; // h(c)
    PerComponent<bool> step_factor_pending{}; // f(c) still to be formed from h(c)
    PerComponent<int> lead_group{};          // lead(c)
    PerComponent<float> reference_deviation{}; // q(c)
    PerComponent<float> apportioned_total{}; // T(c)

    // The groups that appear in any component's list, ascending: no other
    // group ever holds an amount.
    std::array<int, tables::combustible_group_count> participating{};
    int participating_count = 0;
    // The components that hold a group, ascending.
    std::array<int, tables::last_grouped_slot> grouped{};
    int grouped_count = 0;
    // Positions whose share bounds leave room (upper above lower).
    PerPosition<bool> has_range{};

    // Single values.
    float n2_free_total = 0.0f;              // T0
    std::array<float, 16> n2_free_share{};   // y(c)
    float combustible_share = 0.0f;          // yc
    bool high_hydrocarbons = false;
    float weighted_combustible = 0.0f;       // S
    int surplus_memberships = 0;             // U
    float spread = 0.0f;
    int iterations = 0;
};

// The three stages of the core calculation, in this order.
// Returns false when the gas has no weighted combustible part (S <= 0).
bool set_up_apportionment(CoreState& state);
void optimise(CoreState& state, IterationObserver* observer);
void assess(CoreState& state, bool optimised, Result& result);

// The whole core calculation on a prepared working copy; sets status and
// methane numbers in `result`.
void run_core(CoreState& state, Result& result, IterationObserver* observer);

// Gas properties of the caller's composition (slots 1 to 17).
GasProperties compute_gas_properties(const std::array<float, slots_dim>& composition);

} // namespace tervol
