// Apportionment set-up: target shares with the weighted and lumped higher
// hydrocarbons, the high-hydrocarbon flag, the two-pass group selection and
// the first split of every component among its groups.
#include "core_state.hpp"
#include "precision.hpp"

#include <algorithm>

namespace tervol {

namespace {

using tables::combustible_group_count;
using tables::last_combustible_slot;
using tables::last_grouped_slot;
using tables::position_of;

void reset(CoreState& s) {
    for (int g = 1; g <= tables::group_count; ++g) {
        s.methane_number[g] = -100.0f; // shows as never evaluated
        s.selection_weight[g] = 0.0f;
        s.shared_members[g] = 0;
        for (int k = 1; k <= 3; ++k) {
            s.amount[g][k] = 0.0f;
            s.zero_count[g][k] = 0;
            // Share bounds: the measured range widened by 15 on both sides.
            float lower = tables::range_min[g][k] - 15.0f;
            if (!(lower > 0.0f)) {
                lower = 0.0f;
            }
            float upper = tables::range_max[g][k] + 15.0f;
            if (upper > 100.0f) {
                upper = 100.0f;
            }
            s.lower_bound[g][k] = lower;
            s.upper_bound[g][k] = upper;
            s.has_range[g][k] = wide(upper) - lower > 0.0;
        }
    }
}

void n2_free_shares(CoreState& s) {
    using namespace tables;
    const auto& v = s.working;
    float total = 0.0f;
    for (int c = 1; c <= CO2; ++c) {
        if (c != N2) {
            total = store(wide(total) + v[c]);
        }
    }
    s.n2_free_total = total;
    s.combustible_share = store((wide(total) - v[CO2]) / total * 100.0);
    for (int c = 1; c <= CO2; ++c) {
        if (c != N2) {
            s.n2_free_share[c] = store(wide(v[c]) / total * 100.0);
        }
    }
    const float cxhy = s.n2_free_share[CxHy];
    const float c5h12 = s.n2_free_share[C5H12];
    s.high_hydrocarbons = cxhy > 3.0f || c5h12 > 3.0f || wide(cxhy) + c5h12 > 5.0;
}

// Weighted combustible sum S; the higher hydrocarbons enter with the
// caller's untouched values times their weightings.
float weighted_combustible_sum(CoreState& s) {
    using namespace tables;
    auto& v = s.working;
    v[CxHy] = store(wide(s.untouched[CxHy]) * cxhy_weighting);
    v[C5H12] = store(wide(c5h12_weighting) * s.untouched[C5H12]);
    float sum = 0.0f;
    for (int c = 1; c <= last_combustible_slot; ++c) {
        sum = store(wide(sum) + v[c]);
    }
    return sum;
}

void target_shares(CoreState& s) {
    using namespace tables;
    const float S = s.weighted_combustible;
    for (int c = 1; c <= last_combustible_slot; ++c) {
        s.smallest_amount[c] = 100.0f;
        s.selection_value[c] = 0.0f;
        s.selection_class[c] = 0;
        s.group_count[c] = 0;
        s.target_share[c] = store(wide(s.working[c]) / S * 100.0);
    }
    s.combustible_share = store(wide(S) / s.n2_free_total * 100.0);
    // Butadiene, butylene, pentane and the higher hydrocarbons take part as butane.
    auto& z = s.target_share;
    z[C4H10] = store(wide(z[C4H10]) + z[C4H6] + z[C4H8] + z[C5H12] + z[CxHy]);
    z[C4H6] = z[C4H8] = z[CxHy] = z[C5H12] = 0.0f;
}

void selection_weights(CoreState& s) {
    for (int c = 1; c <= last_grouped_slot; ++c) {
        float bound_sum = 0.0f;
        for (int g = 1; g <= combustible_group_count; ++g) {
            if (const int k = position_of(c, g); k > 0) {
                bound_sum = store(wide(bound_sum) + s.upper_bound[g][k]);
            }
        }
        s.bound_sum[c] = bound_sum;
    }
    for (int c = 1; c <= last_grouped_slot; ++c) {
        for (int g = 1; g <= combustible_group_count; ++g) {
            const int k = position_of(c, g);
            if (k == 0) {
                continue;
            }
            if (s.bound_sum[c] == 0.0f) {
                break;
            }
            s.selection_weight[g] = store(wide(s.selection_weight[g]) +
                                          wide(s.upper_bound[g][k]) * s.target_share[c] /
                                              s.bound_sum[c]);
        }
    }
}

bool in_list(const CoreState& s, int c, int g) {
    const auto& list = s.group_list[c];
    return std::find(list.begin(), list.begin() + s.group_count[c], g) !=
           list.begin() + s.group_count[c];
}

void append(CoreState& s, int c, int g) {
    if (s.group_count[c] < group_list_capacity) {
        s.group_list[c][s.group_count[c]++] = g;
    }
}

// Class of group g as a candidate for component c: 1 without present
// partners, 2 with one partner in a three-member group, 3 otherwise.
int candidate_class(const CoreState& s, int c, int g) {
    int partners = 0;
    for (int e = 1; e <= last_grouped_slot; ++e) {
        if (e != c && position_of(e, g) > 0 && s.target_share[e] > 0.0f) {
            ++partners;
        }
    }
    if (partners == 0) {
        return 1;
    }
    if (partners == 1) {
        return g < tables::first_small_group ? 2 : 3;
    }
    return 3;
}

void select_groups(CoreState& s) {
    constexpr float selection_complete = 99.999f;
    for (int pass = 1; pass <= 2; ++pass) {
        for (int c = 1; c <= last_grouped_slot; ++c) {
            if (!(s.target_share[c] > 0.0f)) {
                continue;
            }
            int running_class = s.selection_class[c];
            float running_value = s.selection_value[c];
            int choice = 0;
            if (pass == 1 || s.group_count[c] < 2) {
                for (int g = 1; g <= combustible_group_count; ++g) {
                    if (!(s.selection_weight[g] > 0.0f) || position_of(c, g) == 0) {
                        continue;
                    }
                    const int cls = candidate_class(s, c, g);
                    if (cls > running_class) {
                        choice = g;
                        running_class = cls;
                        running_value = s.selection_weight[g];
                    } else if (cls == running_class && s.selection_weight[g] > running_value) {
                        choice = g;
                        running_value = s.selection_weight[g];
                    }
                }
            }
            if (choice == 0) {
                continue;
            }
            append(s, c, choice);
            s.selection_weight[choice] = 0.0f;
            s.selection_class[c] = running_class;
            s.selection_value[c] = running_value;
            // Members of the chosen group with room for at least 24 % share it.
            for (int c2 = 1; c2 <= last_grouped_slot; ++c2) {
                const int k2 = position_of(c2, choice);
                if (c2 == c || k2 == 0 || !(s.target_share[c2] > 0.0f) ||
                    !(s.upper_bound[choice][k2] >= 24.0f) || in_list(s, c2, choice)) {
                    continue;
                }
                append(s, c2, choice);
                s.selection_value[c2] = std::max(s.selection_value[c2], running_value);
                if (s.selection_class[c2] < running_class) {
                    s.selection_class[c2] = running_class;
                    s.selection_value[c2] = running_value;
                }
            }
            if (running_value >= selection_complete) {
                return;
            }
        }
        for (int c = 1; c <= last_grouped_slot; ++c) {
            s.selection_class[c] = 2;
            s.selection_value[c] = 0.0f;
        }
    }
}

void initial_apportionment(CoreState& s) {
    int surplus = 0;
    std::array<bool, groups_dim> used{};
    s.grouped_count = 0;
    for (int c = 1; c <= last_grouped_slot; ++c) {
        const int n = s.group_count[c];
        if (n == 0) {
            continue;
        }
        s.grouped[s.grouped_count++] = c;
        float bound_sum = 0.0f;
        for (int i = 0; i < n; ++i) {
            const int g = s.group_list[c][i];
            bound_sum = store(wide(bound_sum) + s.upper_bound[g][position_of(c, g)]);
        }
        s.bound_sum[c] = bound_sum;
        surplus += n - 1;
        for (int i = 0; i < n; ++i) {
            const int g = s.group_list[c][i];
            const int k = position_of(c, g);
            s.list_position[c][i] = k;
            used[g] = true;
            s.amount[g][k] = store(wide(s.upper_bound[g][k]) / bound_sum * s.target_share[c]);
            s.smallest_amount[c] = std::min(s.smallest_amount[c], s.amount[g][k]);
            if (n > 1) {
                ++s.shared_members[g];
            }
        }
        // A defined lead group from the start: the first group of the list.
        s.lead_group[c] = s.group_list[c][0];
    }
    s.surplus_memberships = surplus;

    s.participating_count = 0;
    for (int g = 1; g <= combustible_group_count; ++g) {
        if (used[g]) {
            s.participating[s.participating_count++] = g;
        }
    }
}

} // namespace

bool set_up_apportionment(CoreState& s) {
    reset(s);
    n2_free_shares(s);
    s.weighted_combustible = weighted_combustible_sum(s);
    if (!(s.weighted_combustible > 0.0f)) {
        return false;
    }
    target_shares(s);
    selection_weights(s);
    select_groups(s);
    initial_apportionment(s);
    return true;
}

} // namespace tervol
