#include "mn/version_text.h"

#include "kelvab/fixed_field.h"

namespace mn {

std::string version_text(int32_t major, int32_t minor, int32_t patch) {
    const std::string written = kelvab::integer_field(major, 3) + "." +
                                kelvab::integer_field(minor, 3) + "." +
                                kelvab::integer_field(patch, 3) + " ";
    std::string squeezed;
    for (char c : written) {
        if (c != ' ') {
            squeezed += c;
        }
    }
    return squeezed;
}

} // namespace mn
