#include "kelvab/fixed_field.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace kelvab {
namespace {

constexpr int max_decimals = 12;

void fill(char* out, char c, int width) {
    if (width > 0) {
        std::memset(out, c, static_cast<std::size_t>(width));
    }
}

// Decimal digits of |value| rounded to `decimals` places, halves away from
// zero, as "integer part" and "fraction" digit strings. Exact: a float times
// a power of ten up to 10^12 is exact in double, and larger magnitudes go
// through the exact decimal expansion of printf.
void rounded_digits(double magnitude, int decimals, std::string& integer_part,
                    std::string& fraction) {
    static const double powers[max_decimals + 1] = {1e0, 1e1, 1e2, 1e3, 1e4,  1e5, 1e6,
                                                    1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
    const double scaled = magnitude * powers[decimals];
    std::string digits;
    if (scaled < 4.0e15) {
        const double whole = std::floor(scaled);
        auto units = static_cast<unsigned long long>(whole);
        if (scaled - whole >= 0.5) {
            ++units;
        }
        digits = std::to_string(units);
    } else {
        // Huge values: the exact expansion, then round on its first dropped digit.
        char buffer[420];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals + 1, magnitude);
        std::string exact(buffer);
        const char dropped = exact.back();
        exact.pop_back();
        if (decimals == 0) {
            exact.pop_back(); // the point
        } else {
            exact.erase(exact.find('.'), 1);
        }
        if (dropped >= '5') {
            int i = static_cast<int>(exact.size()) - 1;
            while (i >= 0 && exact[static_cast<std::size_t>(i)] == '9') {
                exact[static_cast<std::size_t>(i--)] = '0';
            }
            if (i < 0) {
                exact.insert(exact.begin(), '1');
            } else {
                ++exact[static_cast<std::size_t>(i)];
            }
        }
        digits = exact;
    }
    if (static_cast<int>(digits.size()) <= decimals) {
        digits.insert(0, static_cast<std::size_t>(decimals + 1) - digits.size(), '0');
    }
    integer_part = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    fraction = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
}

} // namespace

void format_real(char* out, float value, int width, int decimals) {
    if (width <= 0) {
        return;
    }
    if (decimals < 0 || decimals > max_decimals || !std::isfinite(value)) {
        fill(out, '*', width);
        return;
    }
    std::string integer_part;
    std::string fraction;
    rounded_digits(std::fabs(static_cast<double>(value)), decimals, integer_part, fraction);
    if (integer_part == "0" && decimals > 0) {
        integer_part.clear(); // ".717": no zero before the point
    }
    std::string text;
    if (std::signbit(value) && value != 0.0f) {
        text += '-';
    }
    text += integer_part;
    text += '.';
    text += fraction;
    const int length = static_cast<int>(text.size());
    if (length > width) {
        fill(out, '*', width);
        return;
    }
    fill(out, ' ', width - length);
    std::memcpy(out + (width - length), text.data(), text.size());
}

void format_integer(char* out, int64_t value, int width) {
    if (width <= 0) {
        return;
    }
    const std::string text = std::to_string(value);
    const int length = static_cast<int>(text.size());
    if (length > width) {
        fill(out, '*', width);
        return;
    }
    fill(out, ' ', width - length);
    std::memcpy(out + (width - length), text.data(), text.size());
}

void append_real(std::string& text, float value, int width, int decimals) {
    if (width <= 0) {
        return;
    }
    const std::size_t start = text.size();
    text.resize(start + static_cast<std::size_t>(width));
    format_real(text.data() + start, value, width, decimals);
}

void append_integer(std::string& text, int64_t value, int width) {
    if (width <= 0) {
        return;
    }
    const std::size_t start = text.size();
    text.resize(start + static_cast<std::size_t>(width));
    format_integer(text.data() + start, value, width);
}

} // namespace kelvab
