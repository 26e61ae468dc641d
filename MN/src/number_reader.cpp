#include "mn/number_reader.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace mn {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

} // namespace

std::optional<float> read_number(std::string_view text) {
    // The canonical form: blanks and tabs dropped, exponent letter 'e', no '+'.
    std::string packed;
    for (char c : text.substr(0, number_reader_width)) {
        if (c != ' ' && c != '\t') {
            packed += c;
        }
    }
    if (packed.empty()) {
        return 0.0f;
    }

    std::size_t at = 0;
    bool negative = false;
    if (packed[at] == '+' || packed[at] == '-') {
        negative = packed[at] == '-';
        ++at;
    }
    std::string canonical = negative ? "-" : "";
    int digits = 0;
    bool point_seen = false;
    // Decimal order of the first significant digit, to tell an underflow
    // from an overflow: "0.003" has order -3, "120" order 2.
    long order = 0;
    bool significant_seen = false;
    long integer_digits = 0;
    long leading_fraction_zeros = 0;
    for (; at < packed.size(); ++at) {
        const char c = packed[at];
        if (is_digit(c)) {
            ++digits;
            if (!point_seen) {
                if (significant_seen || c != '0') {
                    significant_seen = true;
                    ++integer_digits;
                }
            } else if (!significant_seen) {
                if (c == '0') {
                    ++leading_fraction_zeros;
                } else {
                    significant_seen = true;
                }
            }
        } else if (c == '.' && !point_seen) {
            point_seen = true;
        } else {
            break;
        }
        canonical += c;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    order = integer_digits > 0 ? integer_digits - 1 : -(leading_fraction_zeros + 1);

    long exponent = 0;
    if (at < packed.size()) {
        const char letter = packed[at];
        if (letter != 'e' && letter != 'E' && letter != 'd' && letter != 'D') {
            return std::nullopt;
        }
        ++at;
        canonical += 'e';
        bool negative_exponent = false;
        if (at < packed.size() && (packed[at] == '+' || packed[at] == '-')) {
            negative_exponent = packed[at] == '-';
            if (negative_exponent) {
                canonical += '-';
            }
            ++at;
        }
        int exponent_digits = 0;
        for (; at < packed.size() && is_digit(packed[at]); ++at) {
            canonical += packed[at];
            ++exponent_digits;
            if (exponent < 100000) {
                exponent = exponent * 10 + (packed[at] - '0');
            }
        }
        if (exponent_digits == 0 || at != packed.size()) {
            return std::nullopt;
        }
        if (negative_exponent) {
            exponent = -exponent;
        }
    }

    if (!significant_seen) {
        return negative ? -0.0f : 0.0f;
    }
    float value = 0.0f;
    const char* first = canonical.data();
    const char* last = canonical.data() + canonical.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (end != last) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        if (order + exponent < 0) {
            return negative ? -0.0f : 0.0f; // below the smallest single-precision value
        }
        return std::nullopt; // overflows single precision
    }
    if (error != std::errc{} || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace mn
