#include "methane_number_display.hpp"
#include "status_text.hpp"

#include <gtest/gtest.h>

namespace {

TEST(DialogDisplay, RoundsHalfUpAndMarksDoubtfulResults) {
    struct Case {
        float methane_number;
        int status;
        const char* shown;
    };
    const Case cases[] = {
        {79.6164f, 0, "80"},
        {78.5f, 0, "79"},
        {78.49f, 0, "78"},
        {0.0f, 0, "0"},
        {78.5f, 1, "79"},
        {78.5f, 2, "79"},
        {78.0f, 3, "78 ?"},
        {78.0f, 10, "78 ?"},
        {78.0f, 12, "78 ?"},
        {78.0f, 13, "78 ?"},
        {78.0f, 4, ""},
        {78.0f, 14, ""},
        {78.0f, -1, ""},
        {-0.7f, 0, "0"},
        {-1.7f, 0, "-1"},
        {105.5f, 0, "106"},
        // Does not fit the six columns of the result field.
        {1.0e6f, 2, "******"},
        {-1.0e9f, 2, "******"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(mncalc::dialog_display(c.methane_number, c.status), c.shown)
            << c.methane_number << " status " << c.status;
    }
}

TEST(StatusText, EachDocumentedCodeHasItsRemarks) {
    struct Case {
        int status;
        std::size_t remarks;
        const char* words; // found in the first remark
    };
    const Case cases[] = {
        {-1, 1, "rejected"},      {0, 1, "valid"},           {1, 1, "inert"},
        {2, 1, "measured range"}, {3, 1, "more than 5"},     {4, 1, "no valid"},
        {10, 2, "valid"},         {12, 2, "measured range"}, {14, 2, "no valid"},
        {5, 1, "not documented"}, {15, 1, "not documented"}, {-2, 1, "not documented"},
    };
    for (const Case& c : cases) {
        const auto remarks = mncalc::status_remarks(c.status);
        ASSERT_EQ(remarks.size(), c.remarks) << c.status;
        EXPECT_NE(remarks.front().find(c.words), std::string_view::npos) << c.status;
        if (c.remarks == 2) {
            EXPECT_NE(remarks[1].find("higher hydrocarbons"), std::string_view::npos);
        }
    }
}

TEST(StatusText, ShortWarningEmptyOnlyForAValidResult) {
    EXPECT_EQ(mncalc::short_warning(0), "");
    for (int status : {-1, 1, 2, 3, 4, 10, 11, 12, 13, 14, 7, 99}) {
        EXPECT_FALSE(mncalc::short_warning(status).empty()) << status;
        EXPECT_EQ(mncalc::short_warning(status).find(','), std::string_view::npos) << status;
    }
    EXPECT_NE(mncalc::short_warning(13).find("hydrocarbons"), std::string_view::npos);
    EXPECT_NE(mncalc::short_warning(13).find("more than 5"), std::string_view::npos);
}

} // namespace
