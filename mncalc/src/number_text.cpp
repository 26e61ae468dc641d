#include "number_text.hpp"

#include "text_util.hpp"

#include <charconv>
#include <system_error>

namespace mncalc {

ReadNumber read_number(std::string_view text) {
    text = trim_blanks(text);
    if (text.empty()) {
        return {};
    }
    std::string_view digits = text;
    bool negative = false;
    if (digits.front() == '+' || digits.front() == '-') {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan"; a number starts with a digit or a point.
    if (digits.empty() ||
        !((digits.front() >= '0' && digits.front() <= '9') || digits.front() == '.')) {
        return {0.0f, "is not a number"};
    }
    float value = 0.0f;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        return {0.0f, "is out of the single-precision range"};
    }
    if (ec != std::errc{} || end != digits.data() + digits.size()) {
        return {0.0f, "is not a number"};
    }
    return {negative ? -value : value, nullptr};
}

void append_shortest(std::string& out, float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void append_fixed(std::string& out, float value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc{}) {
        append_shortest(out, value); // beyond 10^50 or so: still exact, just not fixed
        return;
    }
    out.append(buffer, result.ptr);
}

} // namespace mncalc
