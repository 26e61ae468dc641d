#include "number_text.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>

namespace {

using mncalc::read_number;

TEST(ReadNumber, AcceptedForms) {
    struct Case {
        const char* text;
        float value;
    };
    const Case cases[] = {
        {"90", 90.0f},
        {" 90.5 ", 90.5f},
        {"+2", 2.0f},
        {"-0.5", -0.5f},
        {".5", 0.5f},
        {"5.", 5.0f},
        {"1.5e1", 15.0f},
        {"1.5E+1", 15.0f},
        {"25e-1", 2.5f},
        {"", 0.0f},
        {"  \t", 0.0f},
        {"0.1", 0.1f},
        // Rounded once to the nearest single-precision value, not via double.
        {"0.100000001490116119384765625", 0.1f},
    };
    for (const Case& c : cases) {
        const auto read = read_number(c.text);
        EXPECT_EQ(read.error, nullptr) << c.text;
        EXPECT_EQ(read.value, c.value) << c.text;
    }
}

TEST(ReadNumber, RefusedForms) {
    for (const char* text : {"abc", "inf", "-inf", "nan", "NaN", "infinity", "1,5", "0x10", "1e40",
                             "-1e40", "--1", "+-1", "+", "-", ".", "1 2", "12%", "1e", "e5"}) {
        EXPECT_NE(read_number(text).error, nullptr) << text;
    }
}

TEST(WriteNumber, ShortestTextReadsBackToTheSameFloat) {
    const float values[] = {0.0f,
                            0.1f,
                            79.6164f,
                            100.0f,
                            1.0e-7f,
                            123456.79f,
                            -3.25f,
                            std::numeric_limits<float>::max(),
                            std::numeric_limits<float>::denorm_min(),
                            std::nextafter(80.0f, 0.0f)};
    for (float value : values) {
        std::string text;
        mncalc::append_shortest(text, value);
        float back = -1.0f;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, value) << text;
    }
    std::string text;
    mncalc::append_shortest(text, 0.1f);
    EXPECT_EQ(text, "0.1"); // not 0.100000001490116
}

TEST(WriteNumber, FourDecimals) {
    std::string text;
    mncalc::append_fixed(text, 79.61645f, 4);
    EXPECT_EQ(text, "79.6164");
    text.clear();
    mncalc::append_fixed(text, 0.0f, 4);
    EXPECT_EQ(text, "0.0000");
}

} // namespace
