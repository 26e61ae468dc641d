#include "kelvab/fixed_field.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace kelvab {
namespace {

constexpr int max_decimals = 12;

void fill(char* out, char c, int width) {
    if (width > 0) {
        std::memset(out, c, static_cast<std::size_t>(width));
    }
}

// Right-aligns `text` in `width` columns; asterisks when it does not fit.
void right_align(char* out, std::string_view text, int width) {
    const int length = static_cast<int>(text.size());
    if (length > width) {
        fill(out, '*', width);
        return;
    }
    fill(out, ' ', width - length);
    std::memcpy(out + (width - length), text.data(), text.size());
}

constexpr double powers[max_decimals + 1] = {1e0, 1e1, 1e2, 1e3, 1e4,  1e5, 1e6,
                                             1e7, 1e8, 1e9, 1e10, 1e11, 1e12};
// Below this a float times a power of ten up to 10^12 is an exact integer
// plus fraction in double.
constexpr double exact_integer_limit = 4.0e15;

// Decimal digits of a huge |value| rounded to `decimals` places, halves away
// from zero, through the exact decimal expansion of printf. Such a float has
// no binary digits beyond the `decimals` places, so the one extra digit
// printed is exact and rounding on it is not a second rounding.
void rounded_digits(double magnitude, int decimals, std::string& integer_part,
                    std::string& fraction) {
    char buffer[420];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals + 1, magnitude);
    std::string digits(buffer);
    const char dropped = digits.back();
    digits.pop_back();
    if (decimals == 0) {
        digits.pop_back(); // the point
    } else {
        digits.erase(digits.find('.'), 1);
    }
    if (dropped >= '5') {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[static_cast<std::size_t>(i)] == '9') {
            digits[static_cast<std::size_t>(i--)] = '0';
        }
        if (i < 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[static_cast<std::size_t>(i)];
        }
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
    const double magnitude = std::fabs(static_cast<double>(value));
    const bool negative = std::signbit(value) && value != 0.0f;
    // Sure not to fit: a rounded magnitude of at least 10^k has k + 1 integer
    // digits, and the point, the decimals and the sign need their columns
    // too. Cheap, and the usual case of the trace's never-evaluated groups.
    const int room_for_digits = width - 1 - decimals - (negative ? 1 : 0);
    if (room_for_digits < 0 ||
        (room_for_digits <= max_decimals && magnitude >= powers[room_for_digits])) {
        fill(out, '*', width);
        return;
    }
    // Reports format thousands of fields per calculation: the usual
    // magnitudes are laid out from an integer, without any string.
    const double scaled = magnitude * powers[decimals];
    if (scaled < exact_integer_limit) {
        const double whole = std::floor(scaled);
        auto units = static_cast<unsigned long long>(whole);
        if (scaled - whole >= 0.5) {
            ++units;
        }
        // Right to left: the decimals, the point, the integer part, the sign.
        char text[48];
        int start = static_cast<int>(sizeof text);
        for (int i = 0; i < decimals; ++i) {
            text[--start] = static_cast<char>('0' + units % 10);
            units /= 10;
        }
        text[--start] = '.';
        if (units != 0 || decimals == 0) { // ".717": no zero before the point
            do {
                text[--start] = static_cast<char>('0' + units % 10);
                units /= 10;
            } while (units != 0);
        }
        if (negative) {
            text[--start] = '-';
        }
        right_align(out, std::string_view(text + start, sizeof text - static_cast<std::size_t>(start)),
                    width);
        return;
    }
    std::string integer_part;
    std::string fraction;
    rounded_digits(magnitude, decimals, integer_part, fraction);
    std::string text;
    if (negative) {
        text += '-';
    }
    text += integer_part;
    text += '.';
    text += fraction;
    right_align(out, text, width);
}

void format_integer(char* out, int64_t value, int width) {
    if (width <= 0) {
        return;
    }
    right_align(out, std::to_string(value), width);
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
