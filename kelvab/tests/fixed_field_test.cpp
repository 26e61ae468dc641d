#include "kelvab/fixed_field.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(FixedField, RealFields) {
    struct Case {
        float value;
        int width, decimals;
        const char* expected;
    };
    const Case cases[] = {
        {0.71747f, 7, 3, "   .717"},        // no zero before the point
        {0.0f, 8, 4, "   .0000"},
        {0.0f, 7, 0, "     0."},            // zero with 0 decimals
        {0.4f, 7, 0, "     0."},
        {50029.7f, 7, 0, " 50030."},        // point written with 0 decimals
        {12.5f, 8, 4, " 12.5000"},
        {0.5f, 8, 4, "   .5000"},
        {100.0f, 7, 3, "100.000"},          // fills the field exactly
        {79.61648f, 9, 5, " 79.61648"},
        {-100.0f, 4, 1, "****"},            // never-evaluated group in a trace line
        {99.94f, 4, 1, "99.9"},
        {99.95f, 4, 1, "99.9"},             // the float is 99.9499969...
        {99.96f, 4, 1, "****"},             // rounds up across the width
        {999.9996f, 8, 3, "1000.000"},      // rounds up and still fits
        {999.9996f, 7, 3, "*******"},
        {999.9994f, 8, 3, " 999.999"},
        {-9.94f, 4, 1, "-9.9"},
        {-9.96f, 4, 1, "****"},             // the sign loses its room
        {-0.5f, 5, 1, "  -.5"},
        {-0.04f, 4, 1, " -.0"},
        {0.96f, 4, 1, " 1.0"},              // rounds up to one: the digit appears
        {0.125f, 4, 2, " .13"},             // exact half: away from zero
        {-0.125f, 5, 2, " -.13"},
        {2.5f, 3, 0, " 3."},
        {1e30f, 7, 1, "*******"},
        {5.3f, 6, 3, " 5.300"},
        {4124.5f, 7, 1, " 4124.5"},
        {-0.5f, 3, 1, "-.5"},               // no integer digit: a full field still fits
        {999.94f, 5, 1, "999.9"},
        {1000.0f, 5, 1, "*****"},           // integer digits alone overflow
        {0.4f, 1, 0, "*"},                  // "0." needs two columns
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kelvab::real_field(c.value, c.width, c.decimals), c.expected)
            << c.value << " in " << c.width << "." << c.decimals;
    }
}

TEST(FixedField, NonFiniteValuesShowAsterisks) {
    EXPECT_EQ(kelvab::real_field(std::numeric_limits<float>::quiet_NaN(), 6, 2), "******");
    EXPECT_EQ(kelvab::real_field(std::numeric_limits<float>::infinity(), 4, 1), "****");
}

TEST(FixedField, HugeValuesRoundExactly) {
    EXPECT_EQ(kelvab::real_field(1.5e16f, 20, 1), " 15000000408846336.0");
    EXPECT_EQ(kelvab::real_field(-3.0e38f, 4, 1), "****");
}

TEST(FixedField, IntegerFields) {
    struct Case {
        long long value;
        int width;
        const char* expected;
    };
    const Case cases[] = {
        {5, 5, "    5"}, {1000, 4, "1000"}, {10000, 4, "****"}, {-12, 3, "-12"},
        {-123, 3, "***"}, {1, 2, " 1"}, {20, 2, "20"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kelvab::integer_field(c.value, c.width), c.expected) << c.value;
    }
}

} // namespace
