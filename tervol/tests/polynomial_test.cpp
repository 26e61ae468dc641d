#include "polynomial.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

namespace {

using tervol::MZDAMP;
using tervol::MZPOLY;
using tervol::tables::coefficients;

float f(const char* decimal) { return std::strtof(decimal, nullptr); }

// Published group polynomial values (double-precision sum, rounded once).
TEST(MZPOLY, PublishedValues) {
    struct Case {
        int group;
        float x, y;
        const char* value;
    };
    const Case cases[] = {
        {1, 100, 0, "99.18652"},   {1, 0, 100, "0.7459914"},  {1, 0, 0, "43.62819"},
        {2, 100, 0, "33.586605"},  {2, 0, 100, "43.780296"},  {2, 0, 0, "10.24513"},
        {9, 100, 0, "100.478455"}, {9, 90, 5, "56.377697"},   {9, 0, 0, "-124085.7"},
        {12, 100, 0, "99.30276"},  {12, 0, 100, "18.88835"},
        {14, 100, 0, "75"},        {14, 0, 100, "0"},         {14, 40, 60, "30"},
        {17, 33, 44, "12"},        {18, 5, 90, "20"},         {19, 50, 50, "0"},
        {20, 100, 0, "99.99795"},  {20, 80, 20, "120.117836"}, {20, 80, 0, "106.6344"},
        {20, 60, 40, "139.84933"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MZPOLY(coefficients[c.group], c.x, c.y).value, f(c.value))
            << "A" << c.group << " at (" << c.x << ", " << c.y << ")";
    }
}

TEST(MZPOLY, PublishedDerivatives) {
    struct Case {
        int group;
        float x, y;
        const char *p, *px, *py, *pxx, *pyy;
    };
    const Case cases[] = {
        {14, 40, 60, "30", "0.45000002", "-0.29999998", "-0.015", "0"},
        {1, 80, 10, "74.0166", "1.2119222", "0.53636056", "0.055763118", "0.0030260785"},
        {17, 12, 34, "12", "0", "0", "0", "0"},
        {19, 12, 34, "0", "0", "0", "0", "0"},
    };
    for (const Case& c : cases) {
        const auto r = MZPOLY(coefficients[c.group], c.x, c.y);
        EXPECT_EQ(r.value, f(c.p)) << "A" << c.group;
        EXPECT_EQ(r.dx, f(c.px)) << "A" << c.group;
        EXPECT_EQ(r.dy, f(c.py)) << "A" << c.group;
        EXPECT_EQ(r.dxx, f(c.pxx)) << "A" << c.group;
        EXPECT_EQ(r.dyy, f(c.pyy)) << "A" << c.group;
    }
    const auto inert = MZPOLY(coefficients[20], 100, 0);
    EXPECT_EQ(inert.dx, f("-0.67698914"));
    EXPECT_EQ(inert.dy, f("0.24087979"));
}

TEST(MZPOLY, GroupEvaluatorsAreBitIdenticalToTheGeneralOne) {
    auto same = [](float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    for (int g = 1; g <= 20; ++g) {
        for (float x = -20.0f; x <= 120.0f; x += 0.37f) {
            for (float y = -20.0f; y <= 120.0f; y += 0.53f) {
                const auto a = MZPOLY(coefficients[g], x, y);
                const auto b = tervol::MZPOLY_group(g, x, y);
                ASSERT_TRUE(same(a.value, b.value) && same(a.dx, b.dx) && same(a.dy, b.dy) &&
                            same(a.dxx, b.dxx) && same(a.dyy, b.dyy))
                    << "A" << g << " at (" << x << ", " << y << ")";
            }
        }
    }
}

TEST(MZDAMP, PublishedValues) {
    struct Case {
        float amount, change;
        const char* factor;
    };
    const Case cases[] = {
        {0, 5, "0"},          {-1, 5, "0"},          {3, 0, "1"},
        {10, 10, "0.6644471"}, {10, -20, "0.44148996"}, {10, 30, "0.29999998"},
        {10, 100, "0.089999996"}, {1, 2.4465f, "0.36787245"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MZDAMP(c.amount, c.change), f(c.factor)) << c.amount << ", " << c.change;
    }
}

TEST(MZDAMP, DampedChangeNeverExceedsNineTenthsOfTheAmount) {
    for (float t = 0.0f; t < 50.0f; t += 0.001f) {
        EXPECT_LE(t * MZDAMP(1.0f, t), 0.9000001f) << t;
    }
}

} // namespace
