#include "methane_number_display.hpp"

#include "text_util.hpp"

#include "kelvab/fixed_field.h"

#include <cmath>

namespace mncalc {

std::string dialog_display(float methane_number, int32_t status) {
    if (status == -1) {
        return {};
    }
    const bool high_hydrocarbons = status >= 10;
    const int32_t base = high_hydrocarbons ? status - 10 : status;
    const bool invalid = base == 4;
    const bool with_reservation = base == 3 || (high_hydrocarbons && !invalid);
    if (invalid) {
        return {};
    }
    // Single-precision sum, as the dialog forms it.
    const float rounded = std::trunc(methane_number + 0.5f);
    std::string text;
    if (std::fabs(rounded) < 1.0e9f) {
        kelvab::append_integer(text, static_cast<int64_t>(rounded), 6);
    } else {
        text = "******"; // does not fit the six columns of the result field
    }
    text = std::string(trim_blanks(text));
    if (with_reservation) {
        text += " ?";
    }
    return text;
}

} // namespace mncalc
