// mncalc converts and apportions with its own few lines, so that it builds
// without the front end; here both are held to the same bits.
#include "unit_conversion.hpp"

#include "mn/front_state.h"
#include "mn/unit_conversion.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(DialogAgreement, SameVolumePercentFromMoleAndMassFigures) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> share(0.0f, 1.0f);
    std::uniform_int_distribution<int> slot_count(1, 17);
    for (int gas = 0; gas < 20000; ++gas) {
        mncalc::EntryValues entries{};
        const int used = slot_count(random);
        for (int i = 0; i < used; ++i) {
            entries[static_cast<std::size_t>(random() % 17)] = share(random) * 100.0f;
        }
        const float total = mncalc::entry_total(entries);
        const auto apportioned = mncalc::apportion_to_100(entries, total);
        EXPECT_EQ(mncalc::to_volume_percent(apportioned, mncalc::Unit::mol),
                  mn::convert_to_volume_percent(apportioned, mn::mol_percent))
            << gas;
        EXPECT_EQ(mncalc::to_volume_percent(apportioned, mncalc::Unit::mass),
                  mn::convert_to_volume_percent(apportioned, mn::mass_percent))
            << gas;
    }
}

} // namespace
