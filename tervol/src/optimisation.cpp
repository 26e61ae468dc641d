// Optimisation of the apportionment: moves each shared component between its
// groups by damped Newton steps until all participating groups rate alike.
//
// Symbols: s = group share, p = position share, X = apportioned amount,
// d = amount change, L/H = share bounds, mL/mH = margins, M = group methane
// number, G = directional slope, dev/rel = deviation from the mean and
// relative to the mean absolute deviation D.
#include "core_state.hpp"
#include "polynomial.hpp"
#include "precision.hpp"

#include <algorithm>
#include <cmath>

// A single +, -, * or / of two floats, rounded to float, gives the same bits
// as the operation in double rounded once to float; such formulas are written
// in float directly. Formulas of more than one operation are carried in
// double and rounded when stored.

namespace tervol {

namespace {

using tables::combustible_group_count;
using tables::last_grouped_slot;
using tables::position_of;

constexpr int iteration_limit = 1000;

void evaluate_polynomial(CoreState& s, int g) {
    const PolynomialValue v = MZPOLY_group(g, s.position_share[g][1], s.position_share[g][2]);
    s.methane_number[g] = v.value;
    s.dx[g] = v.dx;
    s.dy[g] = v.dy;
    s.dxx[g] = v.dxx;
    s.dyy[g] = v.dyy;
}

// Brings the position shares of group g into its share bounds, recording
// the amount corrections and narrowing the other positions' margins.
void clip_to_range(CoreState& s, int g) {
    auto& p = s.position_share[g];
    auto& mL = s.lower_margin[g];
    auto& mH = s.upper_margin[g];
    auto& d = s.amount_change[g];
    const auto& L = s.lower_bound[g];
    const auto& H = s.upper_bound[g];
    const float share = s.group_share[g];
    for (int k = 1; k <= 3; ++k) {
        if (!s.has_range[g][k]) {
            continue;
        }
        const float below = L[k] - p[k];
        const float above = H[k] - p[k];
        if (below > 0.0f) {
            d[k] = store(wide(share) * below * 0.01f);
            p[k] = L[k];
            for (int j = 1; j <= 3; ++j) {
                if (j == k) {
                    continue;
                }
                const float give_up = store(wide(p[j]) / (100.0 - wide(p[k])) * below);
                const float r = MZDAMP(p[j], give_up);
                mH[j] = std::min(mH[j], std::max(-(r * give_up), mL[j] + 1.0f));
                d[j] = store(wide(mH[j]) * share * 0.01f);
            }
        } else {
            const float room = !(L[k] > 0.0f) ? 100.0f : store((wide(p[k]) / L[k] - 1.0) * 100.0);
            for (int j = 1; j <= 3; ++j) {
                if (j != k) {
                    mH[j] = std::min(mH[j], std::max(room, mL[j]));
                }
            }
        }
        if (above < 0.0f) {
            d[k] = store(wide(share) * above * 0.01f);
            p[k] = H[k];
            for (int j = 1; j <= 3; ++j) {
                if (j == k) {
                    continue;
                }
                const float take = store(wide(p[j]) / (100.0 - wide(p[k])) * above);
                mL[j] = std::max(mL[j], std::min(-take, mH[j] - 1.0f));
                d[j] = store(wide(mL[j]) * share * 0.01f);
            }
        } else {
            const float room = store((wide(p[k]) / H[k] - 1.0) * 100.0);
            for (int j = 1; j <= 3; ++j) {
                if (j != k) {
                    mL[j] = std::max(mL[j], std::min(room, mH[j]));
                }
            }
        }
    }
}

// Step 1: group shares, position shares, margins, clipping, polynomial.
// Returns the weighted sum of the group methane numbers.
float evaluate_groups(CoreState& s) {
    float weighted = 0.0f;
    for (int i = 0; i < s.participating_count; ++i) {
        const int g = s.participating[i];
        s.amount_change[g] = {};
        s.active_shared_members[g] = s.shared_members[g];
        const auto& X = s.amount[g];
        const float share = store(wide(X[1]) + X[2] + X[3]);
        s.group_share[g] = share;
        if (!(share > 0.0f)) {
            // An empty group keeps its methane number and margins.
            s.dx[g] = s.dy[g] = s.dxx[g] = s.dyy[g] = 0.0f;
            s.position_share[g] = {};
            continue;
        }
        for (int k = 1; k <= 3; ++k) {
            s.position_share[g][k] = store(wide(X[k]) / share * 100.0);
            s.lower_margin[g][k] = s.lower_bound[g][k] - s.position_share[g][k];
            s.upper_margin[g][k] = s.upper_bound[g][k] - s.position_share[g][k];
        }
        clip_to_range(s, g);
        evaluate_polynomial(s, g);
        weighted = store(wide(weighted) + wide(s.methane_number[g]) * share);
    }
    return weighted;
}

// Step 2: what the clipping added to or took from a component in one group is
// taken from or added to its groups without a correction.
void share_clipping_corrections(CoreState& s) {
    for (int ci = 0; ci < s.grouped_count; ++ci) {
        const int c = s.grouped[ci];
        const int n = s.group_count[c];
        if (n < 2) {
            continue;
        }
        const auto& list = s.group_list[c];
        int uncorrected = 0;
        for (int i = 0; i < n; ++i) {
            const int g = list[i];
            if (s.amount_change[g][s.list_position[c][i]] == 0.0f) {
                ++uncorrected;
            }
        }
        if (uncorrected == 0) {
            continue;
        }
        float largest = 0.0f;
        bool found = false;
        for (int i = 0; i < n; ++i) {
            const int g = list[i];
            const float d = s.amount_change[g][s.list_position[c][i]];
            if (d == 0.0f) {
                continue;
            }
            const float v = store(wide(d) / uncorrected);
            if (!found || std::fabs(v) > std::fabs(largest)) {
                largest = v;
                found = true;
            }
        }
        if (!found) {
            continue;
        }
        for (int i = 0; i < n; ++i) {
            const int g = list[i];
            float& d = s.amount_change[g][s.list_position[c][i]];
            if (d == 0.0f) {
                d = -largest;
            }
        }
    }
}

// Step 3: slope of group g's methane number along a growth of the share of
// position k, the other two positions giving way; returns the curvature.
float slope_and_curvature(CoreState& s, int g, int k) {
    const auto& p = s.position_share[g];
    // Position 1 is not drawn on while it lies within 5 % of its lower bound.
    auto first_can_give = [&] { return wide(p[1]) - wide(1.05f) * s.lower_bound[g][1] > 0.0; };
    if (k == 1) {
        const float third = store(100.0 - wide(p[1]) - p[2]);
        float r = 1.0f;
        if (third > 0.0f) {
            r = p[2] / third;
            r = store(wide(r) / (wide(r) + 1.0));
        }
        s.slope[g][1] = store(wide(s.dx[g]) - wide(s.dy[g]) * r);
        return store(wide(s.dxx[g]) - wide(s.dyy[g]) * r);
    }
    if (k == 2) {
        const float third = store(100.0 - wide(p[1]) - p[2]);
        float r = 1.0f;
        if (third > 0.0f) {
            r = p[1] / third;
            if (!first_can_give()) {
                r = 0.0f;
            }
            r = store(wide(r) / (wide(r) + 1.0));
        }
        s.slope[g][2] = store(wide(s.dy[g]) - wide(s.dx[g]) * r);
        return store(wide(s.dyy[g]) - wide(s.dxx[g]) * r);
    }
    float r1 = 1.0f;
    float r2 = 0.0f;
    if (p[2] > 0.0f) {
        float ratio = p[1] / p[2];
        if (!first_can_give()) {
            ratio = 0.0f;
        }
        r1 = store(wide(ratio) / (wide(ratio) + 1.0));
        r2 = store(1.0 / (wide(ratio) + 1.0));
    }
    s.slope[g][3] = store(-(wide(s.dy[g]) * r2 + wide(s.dx[g]) * r1));
    return store(-(wide(s.dyy[g]) * r2 + wide(s.dxx[g]) * r1));
}

// Step factor of component c: small where the groups' methane numbers bend
// strongly, growing with the number of shared memberships, shrinking with the
// iterations.
float step_factor(CoreState& s, int c, int iteration) {
    if (!s.step_factor_pending[c]) {
        return s.step_factor[c];
    }
    const float curvature = s.largest_curvature[c];
    float factor = 0.0001f;
    if (curvature < 5.0f) {
        const double ratio = static_cast<double>(s.surplus_memberships) / iteration;
        factor = store(std::min(wide(store(std::exp(-2.0 * wide(curvature)))),
                                wide(2000.0f) * (ratio * ratio * ratio)));
    }
    s.step_factor[c] = factor;
    s.step_factor_pending[c] = false;
    return factor;
}

struct Statistics {
    float mean = 0.0f;
    float mean_absolute_deviation = 0.0f;
};

// Step 4: mean methane number, deviations, mean absolute deviation, spread.
Statistics deviation_statistics(CoreState& s, float weighted) {
    Statistics st;
    st.mean = weighted * 0.01f;
    float lowest = 1000.0f;
    float highest = -1000.0f;
    float total_deviation = 0.0f;
    for (int i = 0; i < s.participating_count; ++i) {
        const int g = s.participating[i];
        s.improvement[g] = 0.0f;
        s.deviation[g] = 0.0f;
        const float share = s.group_share[g];
        if (share > 0.15f) {
            lowest = std::min(lowest, s.methane_number[g]);
            highest = std::max(highest, s.methane_number[g]);
        }
        if (share > 0.0f) {
            s.deviation[g] = s.methane_number[g] - st.mean;
            total_deviation =
                store(wide(total_deviation) + std::fabs(wide(s.deviation[g])) * share);
        }
    }
    st.mean_absolute_deviation = total_deviation * 0.01f;
    s.spread = highest - lowest;
    return st;
}

void report_iteration(const CoreState& s, int iteration, const Statistics& st,
                      IterationObserver* observer) {
    if (observer == nullptr) {
        return;
    }
    IterationTrace trace;
    trace.iteration = iteration;
    trace.mean_methane_number = st.mean;
    trace.mean_absolute_deviation = st.mean_absolute_deviation;
    for (int g = 1; g <= combustible_group_count; ++g) {
        trace.group_methane_number[static_cast<std::size_t>(g - 1)] = s.methane_number[g];
    }
    observer->on_iteration(trace);
}

// Step 5 for one group of a component: relative deviation, improvement
// potential, lead group.
void relative_deviation(CoreState& s, int c, int g, int k) {
    const float p = s.position_share[g][k];
    const float L = s.lower_bound[g][k];
    const float H = s.upper_bound[g][k];
    const float G = s.slope[g][k];
    const float wanted = -(G * s.deviation[g]);
    float room = 0.0f;
    if (wanted < 0.0f) {
        room = p - L; // should shrink in this group
    } else if (wanted > 0.0f) {
        room = H - p; // should grow
    }
    s.improvement[g] = store(wide(s.improvement[g]) + std::fabs(wide(G)) * room);
    const bool can_move = (wanted < 0.0f && wide(p) - L > wide(0.01f)) ||
                          (wanted > 0.0f && wide(H) - p > wide(0.01f));
    if (s.relative_deviation[g] > s.reference_deviation[c] && can_move) {
        s.reference_deviation[c] = s.relative_deviation[g];
        s.lead_group[c] = g;
    }
    if (!(p > 0.0f)) {
        --s.active_shared_members[g];
    }
}

// Steps 3 and 5 in one pass over the components: neither reads what the
// other writes for another component, and both run in component order.
// Step 5 only when the mean absolute deviation is positive; the step factor
// itself is formed only when the balancing needs it.
void slopes_and_relative_deviations(CoreState& s, float mad) {
    const bool deviations = mad > 0.0f;
    if (deviations) {
        // The same for every component of a group: formed once per group.
        for (int i = 0; i < s.participating_count; ++i) {
            const int g = s.participating[i];
            s.relative_deviation[g] = std::fabs(s.deviation[g]) / mad;
        }
    }
    for (int ci = 0; ci < s.grouped_count; ++ci) {
        const int c = s.grouped[ci];
        s.reference_deviation[c] = 0.0f;
        const int n = s.group_count[c];
        float largest_curvature = 0.0f;
        for (int i = 0; i < n; ++i) {
            const float curvature = slope_and_curvature(s, s.group_list[c][i], s.list_position[c][i]);
            largest_curvature = std::max(largest_curvature, std::fabs(curvature));
        }
        s.largest_curvature[c] = largest_curvature;
        s.step_factor_pending[c] = true;
        if (deviations) {
            for (int i = 0; i < n; ++i) {
                relative_deviation(s, c, s.group_list[c][i], s.list_position[c][i]);
            }
        }
    }
    if (deviations) {
        for (int i = 0; i < s.participating_count; ++i) {
            const int g = s.participating[i];
            s.improvement[g] = s.improvement[g] * 0.01f;
        }
    }
}

// Step 6.2: Newton step of component c in each of its groups. Returns false
// when the component is finished for this iteration (a single group).
bool newton_steps(CoreState& s, int c) {
    const int n = s.group_count[c];
    float& total = s.apportioned_total[c];
    total = 0.0f;
    // How close to its upper bound a share may come before it is held back.
    const float gamma = std::min(store((100.0 - wide(s.target_share[c])) * 0.1f), 1.0f);
    for (int i = 0; i < n; ++i) {
        const int g = s.group_list[c][i];
        const int k = s.list_position[c][i];
        const float p = s.position_share[g][k];
        const float share = s.group_share[g];
        float& d = s.amount_change[g][k];
        if (!(p > 0.0f)) {
            continue;
        }
        total = store(wide(total) + wide(p) * share * 0.01f);
        if (d != 0.0f) {
            s.lead_group[c] = g;
            continue;
        }
        if (n == 1) {
            return false;
        }
        const float dev = s.deviation[g];
        if (dev == 0.0f) {
            continue;
        }
        const float G = s.slope[g][k];
        const float rel = s.relative_deviation[g];
        const float L = s.lower_bound[g][k];
        const float H = s.upper_bound[g][k];
        const float mL = s.lower_margin[g][k];
        const float mH = s.upper_margin[g][k];
        float step = 0.0f;
        if (G != 0.0f) {
            // The share change that brings the group to the mean, divided
            // among its shared members.
            step = store(-wide(dev) / (static_cast<double>(s.shared_members[g]) * G));
        }
        float beta = std::min(rel, 1.0f);
        const bool near_upper = wide(G) * dev < 0.0 && wide(p) >= wide(H) - gamma;
        if (near_upper || s.improvement[g] <= 0.01f) {
            const double b2 = wide(beta) * beta;
            const double b4 = b2 * b2;
            beta = store(b4 * b4 * b2);
            step = store((1.0 - wide(beta)) * step - (wide(p) - L) * beta);
            if (rel >= s.reference_deviation[c]) {
                s.step_factor[c] = 1.0f;
                s.step_factor_pending[c] = false;
                s.lead_group[c] = g;
            }
        } else if (s.active_shared_members[g] <= 1 && wide(rel) * share * 0.01f >= 0.4f) {
            s.lead_group[c] = g;
        }
        if (mH < mL) {
            d = 0.0f;
            continue;
        }
        if (step < mL) {
            step = mL;
            if (mL > 0.0f) { // the share must grow
                if (s.reference_deviation[c] > rel) {
                    d = 0.0f;
                    continue;
                }
                s.lead_group[c] = g;
            }
        } else if (step > mL && step > mH) {
            step = mH;
            if (mH < 0.0f) { // the share must shrink
                if (s.reference_deviation[c] > rel) {
                    d = 0.0f;
                    continue;
                }
                s.lead_group[c] = g;
            }
        }
        d = 0.0f;
        if (share > 0.0f) {
            // Amount change that moves the share by `step` while the group
            // share changes with it (0.99 where the exact relation has 1).
            const float a = store(wide(share) * step * 0.01f);
            d = store(wide(share) / ((wide(a) + s.amount[g][k]) * wide(-0.99f) + share) * a);
            if (std::fabs(d) > 10.0f) {
                d = std::copysign(10.0f, d);
            }
        }
    }
    return true;
}

// Step 6.3: a component that has left a group may re-enter it. Returns false
// when the component is abandoned for this iteration.
bool reintroduce(CoreState& s, int c, const Statistics& st) {
    const int n = s.group_count[c];
    int active = n;
    for (int i = 0; i < n; ++i) {
        const int g = s.group_list[c][i];
        const int k = s.list_position[c][i];
        if (!(s.zero_count[g][k] <= 20 && !(s.amount[g][k] > 0.0f))) {
            continue;
        }
        const int lead = s.lead_group[c];
        const int lead_k = position_of(c, lead);
        float& d = s.amount_change[g][k];
        if (g == lead) {
            d = -0.1f * std::min(s.group_share[g], s.target_share[c]);
        }
        if (!(s.group_share[g] > 0.0f)) {
            // An empty group: rate it as the pure component.
            s.position_share[g] = {};
            s.position_share[g][k] = 100.0f;
            evaluate_polynomial(s, g);
            s.deviation[g] = s.methane_number[g] - st.mean;
            s.relative_deviation[g] =
                st.mean_absolute_deviation > 0.0f
                    ? std::fabs(s.deviation[g]) / st.mean_absolute_deviation
                    : 0.0f;
        }
        if (s.relative_deviation[g] > s.relative_deviation[lead]) {
            d = 0.0f;
            --active;
        } else {
            d = -0.10001f * s.amount_change[lead][lead_k];
            if (d < 0.0f) {
                d = 0.0f;
                --active;
            }
        }
        if (active <= 1) {
            return false;
        }
    }
    return true;
}

enum class Balance { update, abandon };

// Step 6.4: scale the changes of component c so that they add up to 0.
Balance balance(CoreState& s, int c, int iteration) {
    const int n = s.group_count[c];
    const auto& list = s.group_list[c];
    auto change = [&](int i) -> float& { return s.amount_change[list[i]][s.list_position[c][i]]; };

    double pos = 0.0;
    double neg = 0.0;
    for (int i = 0; i < n; ++i) {
        const float d = change(i);
        if (d > 0.0f) {
            pos += d;
        } else if (d < 0.0f) {
            neg += d;
        }
    }
    double sum = neg + pos;
    const double nine_tenths = wide(0.9f);
    int excluded = 0;

    auto scale = [&](bool negatives) {
        const float factor = store(1.0 - sum / (negatives ? neg : pos));
        for (int i = 0; i < n; ++i) {
            const int g = list[i];
            float& d = change(i);
            if (g != excluded && (negatives ? d <= 0.0f : d >= 0.0f)) {
                d = d * factor;
            }
        }
        return Balance::update;
    };

    if (sum == 0.0) {
        return Balance::update;
    }
    if (sum < 0.0 && sum - nine_tenths * neg > 0.0) {
        return scale(true);
    }
    if (sum > 0.0 && sum - nine_tenths * pos < 0.0) {
        return scale(false);
    }
    // Cut the lead group's step first.
    const int lead = s.lead_group[c];
    float& d = s.amount_change[lead][position_of(c, lead)];
    if (d > 0.0f) {
        pos -= d;
    } else if (d < 0.0f) {
        neg -= d;
    }
    sum -= d;
    d = step_factor(s, c, iteration) * d;
    d = d * MZDAMP(s.smallest_amount[c], d);
    sum += d;
    excluded = lead;
    if (sum == 0.0) {
        return Balance::update;
    }
    if (sum < 0.0) {
        if (neg < 0.0) {
            return scale(true);
        }
        if (pos > 0.0) {
            return scale(false);
        }
        return Balance::abandon;
    }
    if (sum > 0.0) {
        if (pos > 0.0) {
            return scale(false);
        }
        if (neg < 0.0) {
            return scale(true);
        }
    }
    return Balance::abandon;
}

void abandon(CoreState& s, int c) {
    for (int i = 0; i < s.group_count[c]; ++i) {
        s.amount_change[s.group_list[c][i]][s.list_position[c][i]] = 0.0f;
    }
}

// Step 6.5: apply the changes; returns the new change measure.
float update(CoreState& s, int c, float change_measure) {
    s.smallest_amount[c] = 100.0f;
    for (int i = 0; i < s.group_count[c]; ++i) {
        const int g = s.group_list[c][i];
        const int k = s.list_position[c][i];
        const float d = s.amount_change[g][k];
        const float share = s.group_share[g];
        float& X = s.amount[g][k];
        X = X + d;
        if (X != 0.0f) {
            if (wide(X) / s.target_share[c] - wide(0.00001f) <= 0.0) {
                X = 0.0f;
                ++s.zero_count[g][k];
            } else {
                float above_bound = store(wide(X) - wide(s.lower_bound[g][k]) * share * 0.01f);
                if (!(above_bound > 0.0f)) {
                    above_bound = share * 0.01f;
                }
                s.smallest_amount[c] = std::min(s.smallest_amount[c], above_bound);
            }
        }
        change_measure =
            store(wide(change_measure) + std::fabs(wide(d)) / (wide(share) + 0.00001f));
    }
    return change_measure;
}

} // namespace

void optimise(CoreState& s, IterationObserver* observer) {
    for (int iteration = 1;; ++iteration) {
        const float weighted = evaluate_groups(s);
        share_clipping_corrections(s);
        const Statistics st = deviation_statistics(s, weighted);
        report_iteration(s, iteration, st, observer);
        slopes_and_relative_deviations(s, st.mean_absolute_deviation);

        float change_measure = 0.0f;
        for (int ci = 0; ci < s.grouped_count; ++ci) {
            const int c = s.grouped[ci];
            // Reference deviation: the largest relative deviation among the
            // groups where the component's share is out of range.
            float reference = 0.0f;
            for (int i = 0; i < s.group_count[c]; ++i) {
                const int g = s.group_list[c][i];
                const int k = s.list_position[c][i];
                if (s.lower_margin[g][k] > 0.0f || s.upper_margin[g][k] < 0.0f) {
                    reference = std::max(reference, s.relative_deviation[g]);
                }
            }
            s.reference_deviation[c] = reference;
            if (!newton_steps(s, c)) {
                continue;
            }
            if (!reintroduce(s, c, st) || balance(s, c, iteration) == Balance::abandon) {
                abandon(s, c);
                continue;
            }
            change_measure = update(s, c, change_measure);
        }

        s.iterations = iteration;
        if (change_measure <= 0.00001f || iteration >= iteration_limit) {
            return;
        }
    }
}

} // namespace tervol
