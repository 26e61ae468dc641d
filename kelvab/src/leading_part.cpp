#include "kelvab/kelvab.h"

namespace kelvab {

int32_t leading_part_length(const char* text, char character, int32_t scan_limit) {
    for (int32_t i = 0; i < scan_limit; ++i) {
        if (text[i] == character) {
            return i;
        }
    }
    return scan_limit > 0 ? scan_limit : 0;
}

} // namespace kelvab
