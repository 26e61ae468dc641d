#include "mn/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using mn::read_number;

TEST(NumberReader, ReadableTexts) {
    struct Case {
        const char* text;
        float expected;
    };
    const Case cases[] = {
        {"21", 21.0f},             // without a point: an integer value
        {"90", 90.0f},
        {"1 2", 12.0f},            // blanks ignored wherever they stand
        {" \t 1\t2 . 5 ", 12.5f},  // tabs too
        {"", 0.0f},                // an emptied field reads as 0
        {"      ", 0.0f},
        {"-5", -5.0f},             // negative figures are accepted
        {"+7.25", 7.25f},
        {"1.5E1", 15.0f},          // exponent letter E ...
        {"1.5e1", 15.0f},
        {"1.5D1", 15.0f},          // ... or D, in either case
        {"1.5d+1", 15.0f},
        {"150d-1", 15.0f},
        {"  2 5 E - 1", 2.5f},
        {".5", 0.5f},
        {"5.", 5.0f},
        {"-.125", -0.125f},
        {"0.1", 0.1f},             // rounded to single precision once
        {"00012", 12.0f},
        {"1E-60", 0.0f},           // below single precision: zero
        {"3.4E38", 3.4e38f},
    };
    for (const Case& c : cases) {
        const auto value = read_number(c.text);
        ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(*value, c.expected) << '"' << c.text << '"';
    }
}

TEST(NumberReader, UnreadableTexts) {
    // Lone signs and points, commas, letters, a second point, an empty or
    // unfinished exponent, and a value beyond single precision.
    for (const char* text : {"+", "-", ".", "-.", "1,5", "abc", "1.2.3", "1E", "1E+", "E5", "5x",
                             "--5", "1e5.0", "1E39", "1.5+3"}) {
        EXPECT_FALSE(read_number(text).has_value()) << '"' << text << '"';
    }
}

TEST(NumberReader, OnlyTheFirstTwentyCharactersCount) {
    // Characters from the 21st on are not looked at.
    EXPECT_EQ(read_number("12345678901234567890"), 12345678901234567890.0f);
    EXPECT_EQ(read_number("1                   99"), 1.0f);
    EXPECT_EQ(read_number("5                   x"), 5.0f); // the junk is the 21st character
    EXPECT_FALSE(read_number("5                  x").has_value());
}

TEST(NumberReader, SignOfZeroIsKept) {
    const auto value = read_number("-0");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, 0.0f);
    EXPECT_TRUE(std::signbit(*value));
}

} // namespace
