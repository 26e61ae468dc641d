#include "kelvab/kelvab.h"

namespace kelvab {
namespace {

void two_digits(char* out, int value) {
    out[0] = static_cast<char>('0' + (value / 10) % 10);
    out[1] = static_cast<char>('0' + value % 10);
}

std::tm local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return parts;
}

} // namespace

void format_date_time(const std::tm& when, char* date, char* time) {
    two_digits(date, when.tm_mday);
    date[2] = '.';
    two_digits(date + 3, when.tm_mon + 1);
    date[5] = '.';
    two_digits(date + 6, (when.tm_year + 1900) % 100);
    two_digits(time, when.tm_hour);
    time[2] = ':';
    two_digits(time + 3, when.tm_min);
    time[5] = ':';
    two_digits(time + 6, when.tm_sec);
}

void date_time_texts(char* date, char* time) {
    // Two readings of the clock, as the makers' routine does: the date first.
    const std::tm day = local_now();
    const std::tm clock = local_now();
    char unused_time[8];
    char unused_date[8];
    format_date_time(day, date, unused_time);
    format_date_time(clock, unused_date, time);
}

} // namespace kelvab
