// Reading percentages and writing single-precision numbers.
#pragma once

#include <string>
#include <string_view>

namespace mncalc {

struct ReadNumber {
    float value = 0.0f;
    const char* error = nullptr; // why the text is no number; nullptr when it is
};

// A decimal number with optional sign, point and exponent ("90", "-0.5",
// "+1.5e1"), rounded to the nearest single-precision value. Blanks around it
// are ignored and an empty text reads as 0, like an empty field of the
// dialog. Infinities, NaN, hexadecimal, decimal commas and values beyond the
// single-precision range are refused.
ReadNumber read_number(std::string_view text);

// The shortest text that reads back to exactly `value` ("79.6164", "0.1").
void append_shortest(std::string& out, float value);

// `value` with a fixed number of decimals ("79.6164" for 4).
void append_fixed(std::string& out, float value, int decimals);

} // namespace mncalc
