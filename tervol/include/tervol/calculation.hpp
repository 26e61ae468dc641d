// Re-entrant C++ interface to the methane-number calculation.
//
// `calculate` takes a composition and returns everything the calculation
// found as a value. It touches no global state, so any number of threads may
// call it at once. The exported entry METHAN is built on the same code and
// gives bit-identical results.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>

namespace tervol {

inline constexpr int component_count = 17;
inline constexpr int combustible_group_count = 18;

// Volume percent in the slot order CO, C4H6, C4H8, C2H4, C3H6, H2S, H2, C3H8,
// C2H6, C4H10, CH4, CxHy, C5H12, N2, CO2, O2, H2O; element 0 is slot 1.
using Composition = std::array<float, component_count>;

struct GasProperties {
    float heating_value = 0.0f;            // lower heating value [kJ/kg]
    float air_requirement = 0.0f;          // minimum air [kg air/kg gas]
    float density = 0.0f;                  // at 0 C and 101325 Pa [kg/m3]
    float real_gas_factor = 0.0f;          // pv/RT [-]
    float gas_constant = 0.0f;             // [J/(kg K)]
    float isentropic_exponent = 0.0f;      // [-]
    float volumetric_heating_value = 0.0f; // [kWh/m3] at 0 C and 101325 Pa
    float volumetric_air_requirement = 0.0f; // [m3 air/m3 gas]
};

// A mixture group that holds part of the gas after the optimisation.
struct GroupResult {
    int group = 0;                    // 1 to 18
    float methane_number = 0.0f;      // of the group's own composition
    float share = 0.0f;               // percent of the combustible gas
    std::array<float, 3> position_share{}; // percent of the group, positions 1 to 3
    bool extrapolated = false;        // a member lies outside the measured range
};

// A component whose apportioned total misses its target by more than 2 %.
struct TargetMiss {
    int slot = 0;
    float target_share = 0.0f;        // percent of the combustible gas
    float apportioned_total = 0.0f;
};

// The inert-gas correction with the inert group A20.
struct InertCorrection {
    float combustible = 0.0f;         // weighted combustible sum S, percent of the gas
    float co2 = 0.0f;                 // percent of the normalised gas
    float n2 = 0.0f;
    bool combustible_below_range = false; // S below 40
    bool co2_above_range = false;         // CO2 above 60
    bool n2_above_range = false;          // N2 above 60
    float methane_number_at_gas = 0.0f;   // A20 at (S, CO2)
    float combustible_n2_free = 0.0f;     // S / (S + CO2) * 100
    float co2_n2_free = 0.0f;             // CO2 / (S + CO2) * 100
    float methane_number_n2_free = 0.0f;  // A20 at the N2-free proportions
    float methane_number_pure_methane = 0.0f; // A20 at (100, 0)
};

// One optimisation iteration, as the trace of the report shows it.
struct IterationTrace {
    int iteration = 0;
    float mean_methane_number = 0.0f;
    float mean_absolute_deviation = 0.0f;
    std::array<float, combustible_group_count> group_methane_number{}; // -100: never evaluated
};

// Receives each iteration while the optimisation runs. Costs nothing when
// nobody listens (pass nullptr).
class IterationObserver {
  public:
    virtual void on_iteration(const IterationTrace& trace) = 0;

  protected:
    ~IterationObserver() = default;
};

struct Result {
    bool accepted = false;      // the sum check passed (status is not -1)
    bool calculated = false;    // the core calculation ran (combustible part present)
    bool optimised = false;     // the apportionment and optimisation ran
    int32_t status = 0;         // -1, 0 to 4, +10 (see tervol.h)
    float methane_number = 0.0f;            // with CO2, nitrogen left out
    float methane_number_inert_free = 0.0f;
    float lambda1_methane_number = 0.0f;    // with CO2 and N2
    int iterations = 0;
    float spread = 0.0f;        // max - min group methane number, last iteration
    bool high_hydrocarbons = false;

    std::array<TargetMiss, 11> target_misses{};
    int target_miss_count = 0;

    // Groups with a positive share, ascending group number.
    std::array<GroupResult, combustible_group_count> groups{};
    int group_count = 0;

    InertCorrection inert{};
    GasProperties properties{}; // of the gas as given; valid when accepted
};

// The sum check of the calculation: a total of the seventeen values above 0
// that differs from 100 by at most 1 (99 and 101 are accepted; NaN and
// infinities never are).
bool total_accepted(float total);

// Runs the whole calculation for one composition: sum check, air-nitrogen
// removal, normalisation, apportionment, optimisation, assessment, inert-gas
// correction and gas properties.
Result calculate(const Composition& composition, IterationObserver* observer = nullptr);

// Date "dd.mm.yy" and time "hh:mm:ss" shown in the report's header.
struct ReportStamp {
    std::array<char, 8> date{'0', '1', '.', '0', '1', '.', '0', '0'};
    std::array<char, 8> time{'0', '0', ':', '0', '0', ':', '0', '0'};
};

// `calculate`, and the report "tervol.lst" that METHAN leaves in TEMP,
// written byte for byte to `report` (open it in binary mode: lines end in
// CR LF, and the one non-ASCII character is the code-page-1252 byte 0xFC). A
// failing stream keeps its error state and does not affect the result.
Result calculate_with_report(const Composition& composition, std::ostream& report,
                             const ReportStamp& stamp);

} // namespace tervol
