#include "kelvab/kelvab.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

std::string text(const char* buffer, std::size_t length) { return std::string(buffer, length); }

TEST(EnvironmentLookup, UnsetVariableGivesBlankBufferAndZero) {
    ::unsetenv("KELVAB_TEST_UNSET");
    char buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), 'x');
    EXPECT_EQ(kelvab::environment_lookup("KELVAB_TEST_UNSET", 17, buffer, 16), 0);
    EXPECT_EQ(text(buffer, 16), std::string(16, ' '));
}

TEST(EnvironmentLookup, NameIsTrimmedAndUpperCased) {
    ::setenv("KELVAB_TEST_DIR", "C:\\TEMP", 1);
    char buffer[12];
    EXPECT_EQ(kelvab::environment_lookup("kelvab_test_dir   ", 18, buffer, 12), 7);
    EXPECT_EQ(text(buffer, 12), "C:\\TEMP     ");
}

TEST(EnvironmentLookup, LongValueIsCutButFullLengthReported) {
    const std::string long_value(300, 'a');
    ::setenv("KELVAB_TEST_LONG", long_value.c_str(), 1);
    char buffer[255];
    EXPECT_EQ(kelvab::environment_lookup("KELVAB_TEST_LONG", 16, buffer, 255), 300);
    EXPECT_EQ(text(buffer, 255), std::string(255, 'a'));
}

TEST(LeadingPartLength, Table) {
    struct Case {
        std::string text;
        int32_t limit;
        int32_t expected;
    };
    const Case cases[] = {
        {"C:\\TEMP     ", 12, 7},   // first word of a blank-padded path
        {"            ", 12, 0},    // all blanks
        {"C:\\MY DIR   ", 12, 5},   // cut at the blank inside the value
        {std::string(255, 'p'), 255, 255}, // no blank within the limit
        {"abc def", 2, 2},          // limit reached before the blank
        {"abc", 0, 0},
        {"abc", -3, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(kelvab::leading_part_length(c.text.data(), ' ', c.limit), c.expected)
            << '"' << c.text << "\" limit " << c.limit;
    }
}

TEST(DateTimeTexts, LayoutWithLeadingZeros) {
    struct Case {
        int year, month, day, hour, minute, second;
        const char* date;
        const char* time;
    };
    const Case cases[] = {
        {2016, 3, 5, 9, 4, 7, "05.03.16", "09:04:07"},
        {2099, 12, 31, 23, 59, 59, "31.12.99", "23:59:59"},
        {2000, 1, 1, 0, 0, 0, "01.01.00", "00:00:00"},
    };
    for (const Case& c : cases) {
        std::tm when{};
        when.tm_year = c.year - 1900;
        when.tm_mon = c.month - 1;
        when.tm_mday = c.day;
        when.tm_hour = c.hour;
        when.tm_min = c.minute;
        when.tm_sec = c.second;
        char date[10] = "?????????";
        char time[10] = "?????????";
        kelvab::format_date_time(when, date, time);
        EXPECT_EQ(text(date, 9), std::string(c.date) + "?");
        EXPECT_EQ(text(time, 9), std::string(c.time) + "?");
    }
}

TEST(DateTimeTexts, LocalClockHasTheLayout) {
    char date[8];
    char time[8];
    kelvab::date_time_texts(date, time);
    EXPECT_EQ(date[2], '.');
    EXPECT_EQ(date[5], '.');
    EXPECT_EQ(time[2], ':');
    EXPECT_EQ(time[5], ':');
}

} // namespace
