#include "tervol/calculation.hpp"

#include <gtest/gtest.h>

namespace {

using tervol::Composition;

Composition gas(std::initializer_list<std::pair<int, float>> slots) {
    Composition c{};
    for (auto [slot, value] : slots) {
        c[static_cast<std::size_t>(slot - 1)] = value;
    }
    return c;
}

TEST(SumCheck, BandOfOneAroundHundred) {
    struct Case {
        float ch4;
        bool accepted;
    };
    const Case cases[] = {{99.0f, true}, {101.0f, true}, {98.99f, false}, {101.01f, false},
                          {0.0f, false}};
    for (const Case& c : cases) {
        const auto r = tervol::calculate(gas({{11, c.ch4}}));
        EXPECT_EQ(r.accepted, c.accepted) << c.ch4;
        if (!c.accepted) {
            EXPECT_EQ(r.status, -1);
            EXPECT_EQ(r.methane_number, 0.0f);
            EXPECT_EQ(r.methane_number_inert_free, 0.0f);
        }
    }
}

} // namespace
