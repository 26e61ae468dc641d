// Constant tables of the calculation: component labels, mixture-group
// membership, measured ranges, group polynomial coefficients, weightings and
// per-component gas properties. Every real is single precision; arrays are
// indexed from 1 (slot, group, position) with an unused element 0, so the
// code reads like the formulas.
#pragma once

#include <array>

namespace tervol::tables {

inline constexpr int component_count = 17;       // slots of the component vector
inline constexpr int labelled_component_count = 19; // plus SO2 and AR, labels only
inline constexpr int last_combustible_slot = 13;
inline constexpr int last_grouped_slot = 11;     // slots that can belong to a group
inline constexpr int group_count = 20;
inline constexpr int combustible_group_count = 18;
inline constexpr int inert_group = 20;
inline constexpr int first_small_group = 12;     // groups 12 to 18 have fewer than three members

// Slot numbers of the component vector.
enum Slot : int {
    CO = 1, C4H6, C4H8, C2H4, C3H6, H2S, H2, C3H8, C2H6, C4H10, CH4, CxHy, C5H12, N2, CO2, O2, H2O,
    SO2, AR
};

// 32 characters each: blank, formula, dots, German name, dots, colon, blank.
inline constexpr std::array<const char*, labelled_component_count + 1> component_labels = {
    "",
    " CO......KOHLENMONOXYD........: ",
    " C4H6....BUTADIEN.............: ",
    " C4H8....BUTYLEN..............: ",
    " C2H4....AETHYLEN.............: ",
    " C3H6....PROPYLEN.............: ",
    " H2S.....SCHWEFEL-WASSERSTOFF.: ",
    " H2......WASSERSTOFF..........: ",
    " C3H8....PROPAN...............: ",
    " C2H6....AETHAN...............: ",
    " C4H10...BUTAN................: ",
    " CH4.....METHAN...............: ",
    " CxHy....HOEH.KOHLEN-WASSERST.: ",
    " C5H12...PENTAN...............: ",
    " N2......STICKSTOFF...........: ",
    " CO2.....KOHLENDIOXYD.........: ",
    " O2......SAUERSTOFF...........: ",
    " H2O.....WASSERDAMPF..........: ",
    " SO2.....SCHWEFELDIOXYD.......: ",
    " AR......ARGON................: ",
};

// The component slot standing in positions 1 to 3 of each group (0: empty).
inline constexpr std::array<std::array<int, 4>, group_count + 1> group_members = {{
    {0, 0, 0, 0},
    {0, CH4, H2, C2H6},      // A1
    {0, C3H8, C2H6, C4H10},  // A2
    {0, H2, C3H8, C3H6},     // A3
    {0, CH4, C2H6, C3H8},    // A4
    {0, CH4, H2, C3H8},      // A5
    {0, CH4, H2, C4H10},     // A6
    {0, CH4, C3H8, C4H10},   // A7
    {0, CH4, C2H6, C4H10},   // A8
    {0, CH4, C2H4, C4H10},   // A9
    {0, CH4, H2S, C4H10},    // A10
    {0, CH4, C2H6, H2S},     // A11
    {0, CH4, C3H6, 0},       // A12
    {0, C2H6, C3H6, 0},      // A13
    {0, CO, H2, 0},          // A14
    {0, C2H6, C2H4, 0},      // A15
    {0, C3H8, C2H4, 0},      // A16
    {0, C4H6, 0, 0},         // A17
    {0, C4H8, 0, 0},         // A18
    {0, 0, 0, 0},            // A19, empty
    {0, CH4, CO2, N2},       // A20, the inert group: CH4 stands for the whole combustible part
}};

// Group position of component slot c (1 to 15) in group g, 0 when no member.
struct PositionTable {
    std::array<std::array<int, 16>, group_count + 1> position{};
    constexpr PositionTable() {
        for (int g = 1; g <= group_count; ++g) {
            for (int k = 1; k <= 3; ++k) {
                if (group_members[g][k] != 0) {
                    position[g][group_members[g][k]] = k;
                }
            }
        }
    }
};
inline constexpr PositionTable position_table{};
constexpr int position_of(int slot, int group) { return position_table.position[group][slot]; }

// Measured range of each position share, percent of the group: [g][k].
inline constexpr std::array<std::array<float, 4>, group_count + 1> range_min = {{
    {0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f},                          // A1-A8
    {0.0f, 75.0f, 0.0f, 0.0f}, {0.0f, 75.0f, 0.0f, 0.0f}, {0.0f, 75.0f, 0.0f, 0.0f}, // A9-A11
    {0.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f},                          // A12-A16
    {0.0f, 100.0f, 0.0f, 0.0f}, {0.0f, 100.0f, 0.0f, 0.0f},                       // A17, A18
    {0.0f, 0.0f, 0.0f, 0.0f},                                                     // A19
    {0.0f, 40.0f, 0.0f, 0.0f},                                                    // A20
}};
inline constexpr std::array<std::array<float, 4>, group_count + 1> range_max = {{
    {0.0f, 0.0f, 0.0f, 0.0f},
    {0.0f, 100.0f, 100.0f, 100.0f}, {0.0f, 100.0f, 100.0f, 100.0f},
    {0.0f, 100.0f, 100.0f, 100.0f}, {0.0f, 100.0f, 100.0f, 100.0f},
    {0.0f, 100.0f, 100.0f, 100.0f}, {0.0f, 100.0f, 100.0f, 100.0f},
    {0.0f, 100.0f, 100.0f, 100.0f}, {0.0f, 100.0f, 100.0f, 100.0f},                // A1-A8
    {0.0f, 100.0f, 25.0f, 25.0f}, {0.0f, 100.0f, 25.0f, 25.0f},
    {0.0f, 100.0f, 25.0f, 25.0f},                                                 // A9-A11
    {0.0f, 100.0f, 100.0f, 0.0f}, {0.0f, 100.0f, 100.0f, 0.0f},
    {0.0f, 100.0f, 100.0f, 0.0f}, {0.0f, 100.0f, 100.0f, 0.0f},
    {0.0f, 100.0f, 100.0f, 0.0f},                                                 // A12-A16
    {0.0f, 100.0f, 0.0f, 0.0f}, {0.0f, 100.0f, 0.0f, 0.0f},                       // A17, A18
    {0.0f, 0.0f, 0.0f, 0.0f},                                                     // A19
    {0.0f, 100.0f, 60.0f, 60.0f},                                                 // A20
}};

// Group polynomial coefficients c1 to c20 (index 0 to 19) of each group:
// P = c1 + c2 x + c3 y + c4 x^2 + c5 xy + c6 y^2 + c7 x^3 + c8 x^2y + c9 xy^2
//   + c10 y^3 + c11 x^4 + c12 x^3y + c13 x^2y^2 + c14 xy^3 + c15 y^4
//   + c16 x^5 + c17 x^6 + c18 x^7 + c19 y^5 + c20 y^6,
// x and y the shares of positions 1 and 2 in percent.
using CoefficientRow = std::array<float, 20>;
inline constexpr std::array<CoefficientRow, group_count + 1> coefficients = {{
    {},
    {43.62819f, -0.09250887f, -0.01048858f, 0.01644927f, -0.002500773f, -0.004320274f, -0.0003119169f, -6.048696e-5f, -5.352801e-5f, 6.850742e-5f, 2.122334e-6f, 2.19937e-6f, 1.210969e-6f, 2.970658e-7f, -6.713802e-7f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A1
    {10.24513f, 0.08590661f, 0.1498213f, 0.007384396f, 0.009570504f, 0.005136971f, -0.0001003662f, -0.0002020327f, -4.580277e-5f, -5.685615e-5f, 4.127305e-7f, 1.251138e-6f, 3.114703e-7f, -3.140157e-7f, 2.403948e-7f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A2
    {18.62794f, -0.1203581f, 0.1087109f, 0.01929801f, -0.001305063f, 0.0017985f, -0.001301808f, 2.990447e-5f, 8.561376e-5f, -2.583667e-5f, 4.169295e-5f, 2.001124e-7f, -6.854646e-7f, -6.262613e-7f, 1.198789e-7f, -6.952638e-7f, 5.798984e-9f, -1.913374e-11f, 0.0f, 0.0f},  // A3
    {33.53909f, -0.1028224f, 0.2068375f, 0.02398141f, 0.003316137f, -0.003553689f, -0.0009584746f, -0.0002409604f, 3.94184e-5f, 5.001856e-5f, 2.005288e-5f, 3.45851e-6f, 8.036454e-7f, -4.333876e-7f, -2.504256e-7f, -2.115417e-7f, 9.05402e-10f, 0.0f, 0.0f, 0.0f},  // A4
    {34.75804f, -0.5194905f, 0.05473705f, 0.04405446f, 0.02642531f, -0.01056781f, -0.0008743329f, -0.001084645f, -0.0003555327f, 0.0002289769f, 5.476742e-6f, 1.13098e-5f, 7.987488e-6f, 7.486085e-7f, -1.634024e-6f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A5
    {12.29902f, -0.7518207f, -0.451037f, 0.05143333f, 0.05126147f, 0.0178663f, -0.001024159f, -0.001640652f, -0.00100224f, -0.0001427912f, 6.699563e-6f, 1.566121e-5f, 1.576306e-5f, 5.249888e-6f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A6
    {10.16914f, 0.4366612f, 0.03817096f, -0.08726454f, -0.007947864f, 0.01036501f, 0.005939795f, 0.0003267886f, 0.0002371491f, -0.0001615215f, -0.0001854127f, -3.308586e-7f, -4.975863e-6f, -8.782291e-7f, 7.74084e-7f, 2.956598e-6f, -2.337074e-8f, 7.322348e-11f, 0.0f, 0.0f},  // A7
    {10.77761f, 0.164749f, -0.1405007f, -0.0519873f, -0.007044869f, 0.01615437f, 0.003991315f, 0.0001479482f, 0.0003384803f, -0.000175467f, -0.0001277487f, 2.756444e-6f, -4.041667e-6f, -1.971021e-6f, 6.075213e-7f, 2.015703e-6f, -1.558017e-8f, 4.797693e-11f, 0.0f, 0.0f},  // A8
    {-124085.7f, 11938.458f, -199.62282f, -485.7481f, 7.8748f, 2.5929804f, 10.855881f, -0.10266703f, -0.06910975f, -0.0145046f, -0.1441712f, 0.00044431374f, 0.00045679207f, 0.0001987161f, 2.6937181e-5f, 0.001139533f, -4.9703335e-6f, 9.240635e-9f, 0.0f, 0.0f},  // A9
    {183885.06f, -15396.773f, -14.160386f, 541.58923f, 0.56775486f, 1.1942148f, -10.358971f, -0.007707103f, -0.024873834f, -0.031209903f, 0.11603083f, 3.3083383e-5f, 0.00017311782f, 4.175449e-6f, 0.0015364226f, -0.00075743016f, 2.6462474e-6f, -3.760604e-9f, -3.565003e-5f, 3.0668448e-7f},  // A10
    {-117884.66f, 11251.043f, -267.12518f, -454.92746f, 10.645736f, 3.6669421f, 10.120505f, -0.13986048f, -0.09749757f, -0.024662768f, -0.13401172f, 0.00060764357f, 0.00064613036f, 0.00031927694f, 7.629291e-5f, 0.001057975f, -4.6175614e-6f, 8.6063165e-9f, 0.0f, 0.0f},  // A11
    {59.095516f, 0.10602705f, -3.406924f, -0.003188483f, 0.0f, 0.15370326f, -0.0001080121f, 0.0f, 0.0f, -0.00367487f, 8.45993e-6f, 0.0f, 0.0f, 0.0f, 4.6273624e-5f, -1.3928745e-7f, 7.16383e-10f, 0.0f, -2.905423e-7f, 7.16383e-10f},  // A12
    {31.5507f, 0.0797494f, -0.17706876f, 0.00048659675f, 0.0f, 0.00048659675f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A13
    {0.0f, 1.5f, 0.0f, -0.0075f, -0.0075f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A14
    {29.655596f, 0.17064685f, -0.12344405f, -0.000236014f, 0.0f, -0.000236014f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A15
    {24.494755f, 0.13676575f, -0.0545979f, -0.00041083916f, 0.0f, -0.00041083916f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A16
    {12.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A17
    {20.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A18
    {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f},  // A19
    {299.1743f, -15.11958f, -0.3115636f, 0.7635948f, 0.04548069f, 0.01123041f, -0.02376263f, -0.0007856294f, 0.0006555709f, -0.002146855f, 0.0004355494f, 3.860668e-6f, -1.381699e-6f, -7.933902e-6f, 6.699364e-5f, -4.607726e-6f, 2.61057e-8f, -6.143914e-11f, -8.369387e-7f, 3.928073e-9f},  // A20
}};

// Factors applied to the caller's pentane and higher-hydrocarbon values.
inline constexpr float c5h12_weighting = 2.3f;
inline constexpr float cxhy_weighting = 5.3f;

struct ComponentProperties {
    float molar_mass;          // kg/kmol
    float real_gas_factor;     // pv/RT of the pure component at 0 C, 101325 Pa
    float isentropic_exponent;
    float heating_value;       // lower heating value, kJ/kg
    float oxygen_requirement;  // kg O2 per kg; oxygen in the gas counts -1
};
inline constexpr std::array<ComponentProperties, labelled_component_count + 1> component_properties = {{
    {0.0f, 0.0f, 0.0f, 0.0f, 0.0f},
    {28.0101f, 0.99929f, 1.4007f, 10102.8f, 0.5712f},  // CO
    {54.09044f, 1.0f, 1.141f, 44531.3f, 3.25369f},  // C4H6
    {56.10632f, 1.0f, 1.133f, 45133.4f, 3.42195f},  // C4H8
    {28.05316f, 0.9925f, 1.237f, 47165.8f, 3.42195f},  // C2H4
    {42.07974f, 0.98099f, 1.151f, 45769.5f, 3.42195f},  // C3H6
    {34.08188f, 0.99001f, 1.331f, 15198.4f, 1.40832f},  // H2S
    {2.01588f, 1.00062f, 1.407f, 119952.6f, 7.93668f},  // H2
    {44.09562f, 0.9789f, 1.14f, 46333.6f, 3.62834f},  // C3H8
    {30.06904f, 0.99001f, 1.2f, 47512.0f, 3.72462f},  // C2H6
    {58.1222f, 1.0f, 1.095f, 45656.2f, 3.57853f},  // C4H10
    {16.04246f, 0.99759f, 1.31f, 50029.7f, 3.98926f},  // CH4
    {86.17536f, 1.0f, 1.066f, 45039.7f, 3.527558f},  // CxHy
    {72.151f, 0.98344f, 1.084f, 45430.0f, 3.54789f},  // C5H12
    {28.01348f, 0.99951f, 1.401f, 0.0f, 0.0f},  // N2
    {44.0095f, 0.99331f, 1.293f, 0.0f, 0.0f},  // CO2
    {31.9988f, 0.99902f, 1.396f, 0.0f, -1.0f},  // O2
    {18.01528f, 0.99938f, 1.315f, 0.0f, 0.0f},  // H2O
    {64.0648f, 0.976f, 1.263f, 0.0f, 0.0f},  // SO2
    {39.948f, 0.999f, 1.66f, 0.0f, 0.0f},  // AR
}};

} // namespace tervol::tables
