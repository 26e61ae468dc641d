// Reading a figure typed into a component field.
#pragma once

#include <optional>
#include <string_view>

namespace mn {

// Only this many leading characters of a field's text are looked at.
inline constexpr std::size_t number_reader_width = 20;

// Reads a number from the first 20 characters of `text`:
// - blanks and tabs are ignored wherever they stand; an all-blank text is 0;
// - an optional sign, digits with at most one decimal point (without a point
//   the digits are an integer: "21" is twenty-one), at least one digit;
// - then optionally an exponent: E or D in either case and an optionally
//   signed integer ("1.5E1" and "1.5d1" are 15).
// The result is rounded to single precision once. A magnitude too small for
// single precision reads as zero; anything else that is not of this form, or
// whose magnitude overflows single precision, is unreadable (no value). In
// particular a lone sign, a lone point, a comma and "1E" are unreadable.
std::optional<float> read_number(std::string_view text);

} // namespace mn
