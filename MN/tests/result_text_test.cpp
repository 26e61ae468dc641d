// The small texts of the dialog: version text, redisplay layout, result text.
#include "mn/main_dialog_handlers.h"
#include "mn/version_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(VersionText, TripleIsSqueezed) {
    EXPECT_EQ(mn::version_text(2, 0, 1), "2.0.1");
    EXPECT_EQ(mn::version_text(1000, 0, 1), "***.0.1"); // a member that does not fit
    EXPECT_EQ(mn::version_text(12, 345, 6), "12.345.6");
}

TEST(Redisplay, TenCharacterLayout) {
    EXPECT_EQ(mn::redisplay_field(0.0f), "      .000");
    // Ten characters in all, so six blanks before ".500" as before ".000".
    EXPECT_EQ(mn::redisplay_field(0.5f), "      .500");
    EXPECT_EQ(mn::redisplay_field(100.0f), "   100.000");
    EXPECT_EQ(mn::redisplay_field(9999.9994f), "  9999.999");
    EXPECT_EQ(mn::redisplay_field(10000.0f), "  ********");
    EXPECT_EQ(mn::redisplay_field(-999.0f), "  -999.000");
    EXPECT_EQ(mn::redisplay_field(-1000.0f), "  ********");
}

TEST(ResultText, Layouts) {
    using mn::result_text;
    struct Case {
        float methane_number;
        int calculation_status;
        int high_hydrocarbon_flag;
        const char* expected;
    };
    const Case cases[] = {
        {79.6164f, 0, 0, "    80"},  // published example, 90 % CH4 / 10 % C2H6
        {78.5f, 0, 0, "    79"},     // rounding half up
        {78.49f, 0, 0, "    78"},
        {0.0f, 0, 0, "     0"},
        {78.0f, 3, 0, "    78 ?"},   // with reservation
        {78.0f, 0, 1, "    78 ?"},   // C>C4 flag
        {78.0f, 3, 1, "    78 ?"},
        {78.0f, 4, 0, ""},           // invalid: blanks
        {78.0f, 4, 1, ""},
        {-0.5f, 0, 0, "     0"},
        {-3.7f, 0, 0, "    -3"},     // truncated toward zero
        {0.49999997f, 0, 0, "     1"}, // the single-precision sum rounds up
        {999999.5f, 0, 0, "******"}, // R = 1000000 needs 7 columns
        {999998.0f, 0, 0, "999998"},
        {123456.0f, 0, 0, "123456"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(result_text(c.methane_number, c.calculation_status, c.high_hydrocarbon_flag),
                  c.expected)
            << c.methane_number << " status " << c.calculation_status;
    }
}

TEST(ResultText, NotANumberAndHugeValuesNeverReachAnIntegerConversion) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(mn::result_text(nan, 0, 0), "******");
    EXPECT_EQ(mn::result_text(inf, 0, 0), "******");
    EXPECT_EQ(mn::result_text(-inf, 3, 0), "****** ?");
    EXPECT_EQ(mn::result_text(3.0e38f, 0, 0), "******");
    EXPECT_EQ(mn::result_text(-5.0e9f, 0, 0), "******");
}

} // namespace
