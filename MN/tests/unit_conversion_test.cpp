#include "mn/unit_conversion.h"

#include <gtest/gtest.h>

namespace {

using mn::ComponentValues;
using mn::convert_to_volume_percent;

constexpr int ch4 = 10; // slot 11
constexpr int n2 = 13;  // slot 14

TEST(UnitConversion, VolumePercentIsCopied) {
    ComponentValues entry{};
    entry[ch4] = 90.0f;
    entry[8] = 10.0f;
    EXPECT_EQ(convert_to_volume_percent(entry, mn::volume_percent), entry);
}

TEST(UnitConversion, PureGasInMolePercentStaysPure) {
    // 100 in one slot converts to 100 within single-precision
    // rounding, 0 for all others.
    for (int slot = 0; slot < mn::component_count; ++slot) {
        ComponentValues entry{};
        entry[slot] = 100.0f;
        for (const std::string& unit : {mn::mol_percent, mn::mass_percent}) {
            const ComponentValues volume = convert_to_volume_percent(entry, unit);
            for (int other = 0; other < mn::component_count; ++other) {
                if (other == slot) {
                    EXPECT_NEAR(volume[other], 100.0f, 1e-4f) << "slot " << slot + 1;
                } else {
                    EXPECT_EQ(volume[other], 0.0f);
                }
            }
        }
    }
}

TEST(UnitConversion, MassPercentOfMethaneAndNitrogen) {
    // Weights 50/16.04246*0.99759*22.414 = 69.69 and
    // 50/28.01348*0.99951*22.414 = 39.986, scaled by 100/109.676.
    ComponentValues entry{};
    entry[ch4] = 50.0f;
    entry[n2] = 50.0f;
    const ComponentValues volume = convert_to_volume_percent(entry, mn::mass_percent);
    EXPECT_NEAR(volume[ch4], 63.54f, 0.005f);
    EXPECT_NEAR(volume[n2], 36.46f, 0.005f);
    EXPECT_NEAR(volume[ch4] + volume[n2], 100.0f, 1e-4f);
}

TEST(UnitConversion, MolePercentWeighsWithTheRealGasFactor) {
    ComponentValues entry{};
    entry[ch4] = 50.0f;
    entry[n2] = 50.0f;
    const ComponentValues volume = convert_to_volume_percent(entry, mn::mol_percent);
    // Rounded to single precision at each store, in this order.
    const float w_ch4 = static_cast<float>(50.0 * 0.99759f * 22.414f);
    const float w_n2 = static_cast<float>(50.0 * 0.99951f * 22.414f);
    const float sum = w_ch4 + w_n2;
    const float scale = static_cast<float>(100.0 / sum);
    EXPECT_EQ(volume[ch4], static_cast<float>(static_cast<double>(w_ch4) * scale));
    EXPECT_EQ(volume[n2], static_cast<float>(static_cast<double>(w_n2) * scale));
    EXPECT_NEAR(volume[ch4], 49.9519f, 1e-3f);
}

TEST(UnitConversion, UnitTextIsBlankPadded) {
    EXPECT_EQ(mn::padded_unit_text(" Mol-%"), " Mol-%    ");
    EXPECT_EQ(mn::padded_unit_text(" Volume-%"), " Volume-% ");
    EXPECT_EQ(mn::padded_unit_text(" Volume-% and more"), " Volume-% ");
    ComponentValues entry{};
    entry[ch4] = 100.0f;
    EXPECT_NEAR(convert_to_volume_percent(entry, " Mass-%")[ch4], 100.0f, 1e-4f);
}

TEST(UnitConversion, TablesMatchTheLibrarysProperties) {
    EXPECT_EQ(mn::molar_mass[0], 28.0101f);
    EXPECT_EQ(mn::molar_mass[16], 18.01528f);
    EXPECT_EQ(mn::real_gas_factor[6], 1.00062f);
    EXPECT_EQ(mn::real_gas_factor[14], 0.99331f);
}

} // namespace
