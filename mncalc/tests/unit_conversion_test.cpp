#include "gas_evaluation.hpp"
#include "unit_conversion.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using mncalc::EntryValues;
using mncalc::Unit;

constexpr std::size_t CH4 = 10, C2H6 = 8, N2 = 13, H2 = 6, CO2 = 14;

EntryValues figures(std::initializer_list<std::pair<std::size_t, float>> values) {
    EntryValues entries{};
    for (auto [index, value] : values) {
        entries[index] = value;
    }
    return entries;
}

TEST(UnitConversion, MassPercentOfMethaneAndNitrogen) {
    // Weights 50/16.04246*0.99759*22.414 = 69.69 and 50/28.01348*0.99951*22.414 = 39.986,
    // scaled by 100/109.676.
    const auto volume = mncalc::to_volume_percent(figures({{CH4, 50.0f}, {N2, 50.0f}}), Unit::mass);
    EXPECT_NEAR(volume[CH4], 63.54f, 0.005f);
    EXPECT_NEAR(volume[N2], 36.46f, 0.005f);
}

TEST(UnitConversion, PureGasStaysPureInEveryUnit) {
    for (Unit unit : {Unit::volume, Unit::mol, Unit::mass}) {
        for (std::size_t slot = 0; slot < 17; ++slot) {
            EntryValues entries{};
            entries[slot] = 100.0f;
            const auto volume = mncalc::to_volume_percent(entries, unit);
            for (std::size_t other = 0; other < 17; ++other) {
                EXPECT_NEAR(volume[other], other == slot ? 100.0f : 0.0f, 1e-4f)
                    << mncalc::unit_name(unit) << " slot " << slot + 1;
            }
        }
    }
}

TEST(UnitConversion, MolePercentWeighsWithTheRealGasFactor) {
    // 90 CH4 (Z 0.99759) and 10 C2H6 (Z 0.99001): ethane's share shrinks a little.
    const auto volume =
        mncalc::to_volume_percent(figures({{CH4, 90.0f}, {C2H6, 10.0f}}), Unit::mol);
    const double ch4 = 90.0 * 0.99759, c2h6 = 10.0 * 0.99001;
    EXPECT_NEAR(volume[C2H6], 100.0 * c2h6 / (ch4 + c2h6), 1e-4);
    EXPECT_LT(volume[C2H6], 10.0f);
}

TEST(UnitConversion, VolumeFiguresPassBitForBitWithoutScaling) {
    const EntryValues entries = figures({{CH4, 89.7f}, {C2H6, 9.9f}});
    EXPECT_EQ(mncalc::to_volume_percent(entries, Unit::volume), entries);
}

TEST(Apportioning, ScalesEachFigureByHundredOverTheTotal) {
    const EntryValues entries = figures({{CH4, 45.0f}, {C2H6, 5.0f}});
    const auto apportioned = mncalc::apportion_to_100(entries, mncalc::entry_total(entries));
    EXPECT_EQ(apportioned[CH4], 90.0f);
    EXPECT_EQ(apportioned[C2H6], 10.0f);
    // One rounding to single precision from a double quotient.
    const auto third = mncalc::apportion_to_100(figures({{CH4, 1.0f}}), 3.0f);
    EXPECT_EQ(third[CH4], static_cast<float>(1.0 / 3.0 * 100.0));
}

TEST(EntryTotal, SumsInSlotOrderWithSinglePrecisionPartialSums) {
    // 2^24 + 1 rounds back to 2^24 in single precision, twice; a sum in
    // double would give 2^24 + 2, which single precision holds exactly.
    EXPECT_EQ(mncalc::entry_total(figures({{0, 16777216.0f}, {1, 1.0f}, {2, 1.0f}})), 16777216.0f);
}

TEST(TotalBand, NinetyNineToHundredAndOneInclusive) {
    struct Case {
        float total;
        bool within;
    };
    const Case cases[] = {{99.0f, true},    {101.0f, true},         {100.0f, true},
                          {98.99f, false},  {101.01f, false},       {0.0f, false},
                          {-100.0f, false}, {std::nanf(""), false}, {INFINITY, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(mncalc::total_within_band(c.total), c.within) << c.total;
    }
}

// What reaches the library for each combination of unit and --normalize.
TEST(LibraryComposition, UnusableTotalsReachTheLibraryUnconvertedSoItRejectsThem) {
    struct Case {
        const char* what;
        EntryValues entries;
        mncalc::EntrySettings settings;
        bool accepted;
    };
    const Case cases[] = {
        {"volume 50 %", figures({{CH4, 50.0f}}), {Unit::volume, false}, false},
        // Converting would scale 50 mol-% to 100 vol-% and hide the bad total.
        {"mol 50 %", figures({{CH4, 50.0f}}), {Unit::mol, false}, false},
        {"mass 102 %", figures({{CH4, 102.0f}}), {Unit::mass, false}, false},
        {"mass 100.5 %", figures({{CH4, 100.5f}}), {Unit::mass, false}, true},
        {"normalized 50 %", figures({{CH4, 50.0f}}), {Unit::mol, true}, true},
        {"normalized 0", figures({}), {Unit::volume, true}, false},
        {"normalized negative", figures({{CH4, -50.0f}}), {Unit::mass, true}, false},
    };
    for (const Case& c : cases) {
        const auto evaluation = mncalc::evaluate(c.entries, c.settings);
        EXPECT_EQ(evaluation.result.accepted, c.accepted) << c.what;
        EXPECT_EQ(evaluation.result.status == -1, !c.accepted) << c.what;
    }
}

} // namespace
