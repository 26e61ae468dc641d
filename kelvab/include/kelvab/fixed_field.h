// Fixed-point and integer fields of the reports and the dialog.
//
// real w.d: the value rounded to d decimals (halves away from zero),
// right-aligned in w columns, with a minus sign when negative; a value whose
// rounded magnitude is below 1 has no zero before the point (".717"), except
// with 0 decimals, where it is written "0."; with 0 decimals the point is
// still written ("50030."). A value that needs more than w columns, and a
// value that is not a finite number, fills the field with w asterisks.
// integer w: right-aligned, asterisks when it does not fit.
#pragma once

#include <cstdint>
#include <string>

namespace kelvab {

// Write exactly `width` characters to `out` (no terminating zero).
void format_real(char* out, float value, int width, int decimals);
void format_integer(char* out, int64_t value, int width);

// Append the field to `text`.
void append_real(std::string& text, float value, int width, int decimals);
void append_integer(std::string& text, int64_t value, int width);

inline std::string real_field(float value, int width, int decimals) {
    std::string text;
    append_real(text, value, width, decimals);
    return text;
}

inline std::string integer_field(int64_t value, int width) {
    std::string text;
    append_integer(text, value, width);
    return text;
}

} // namespace kelvab
