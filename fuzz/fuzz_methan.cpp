// Feeds arbitrary compositions through METHAN. The first byte picks how the
// remaining bytes become 17 values: raw floats (NaN, infinities, denormals,
// anything), or values scaled to add up to 100 so that hostile but accepted
// compositions (negative, huge, tiny values) reach the whole calculation.
#include "tervol/tervol.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

bool allowed(int32_t status) {
    const int32_t base = status >= 10 ? status - 10 : status;
    return status == -1 || (base >= 0 && base <= 4);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool initialised = false;
    if (!initialised) {
        setenv("TEMP", "/tmp", 1);
        initialised = true;
    }
    if (size < 1) {
        return 0;
    }
    const uint8_t mode = data[0];
    ++data;
    --size;

    float gas[TERVOL_COMPONENT_COUNT] = {};
    if (mode % 2 == 0) {
        std::memcpy(gas, data, std::min(size, sizeof gas));
    } else {
        // Signed bytes as relative amounts, scaled to a total of 100.
        float total = 0.0f;
        for (size_t i = 0; i < TERVOL_COMPONENT_COUNT && i < size; ++i) {
            gas[i] = static_cast<float>(static_cast<int8_t>(data[i]));
            if (mode & 2) {
                gas[i] *= 1e30f; // huge magnitudes that cancel
            }
            if (mode & 4) {
                gas[i] *= 1e-40f; // denormals
            }
            total += gas[i];
        }
        if (total != 0.0f && std::isfinite(total)) {
            for (float& v : gas) {
                v = v / total * 100.0f;
            }
        }
    }

    int32_t status = 0;
    float mn = 0.0f;
    float mn_inert_free = 0.0f;
    METHAN(gas, &status, &mn, &mn_inert_free);
    if (!allowed(status)) {
        std::abort();
    }
    return 0;
}
