/* Calls the three entries from plain C through the public header. */
#define _POSIX_C_SOURCE 200809L
#include "tervol/tervol.h"

#include <math.h>
#include <stdio.h>
#include <stdlib.h>

static int failures = 0;

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);          \
            ++failures;                                                                            \
        }                                                                                          \
    } while (0)

int main(int argc, char** argv) {
    /* Keep the report out of the root directory. */
    setenv("TEMP", argc > 1 ? argv[1] : ".", 1);

    int32_t major = -1, minor = -1, patch = -1;
    DLLVER(&major, &minor, &patch);
    CHECK(major == 2 && minor == 0 && patch == 1);

    float gas[TERVOL_COMPONENT_COUNT] = {0};
    gas[10] = 90.0f; /* CH4 */
    gas[8] = 10.0f;  /* C2H6 */
    int32_t status = 99;
    float mn = -1.0f, mn_inert_free = -1.0f;
    METHAN(gas, &status, &mn, &mn_inert_free);
    CHECK(status == 0);
    CHECK(fabs(mn - 79.6164) < 1e-3);
    CHECK(fabs(mn_inert_free - 79.6164) < 1e-3);
    CHECK(gas[10] == 90.0f && gas[8] == 10.0f); /* never written */

    /* MZVEKS: doubles in, rounded to single precision on return. */
    double v[TERVOL_COMPONENT_COUNT] = {0};
    v[10] = 99.9;
    v[0] = 0.1;
    double mnd = 0, mnifd = 0, heating = 0, air = 0;
    MZVEKS(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11],
           &v[12], &v[13], &v[14], &v[15], &v[16], &status, &mnd, &mnifd, &heating, &air);
    CHECK(status == 0);
    CHECK(v[0] == (double)0.1f);
    CHECK(heating > 9.9 && heating < 10.0);

    /* A rejected call hands on the volumetric pair of the last accepted one. */
    const double accepted_heating = heating;
    v[10] = 50.0;
    MZVEKS(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &v[8], &v[9], &v[10], &v[11],
           &v[12], &v[13], &v[14], &v[15], &v[16], &status, &mnd, &mnifd, &heating, &air);
    CHECK(status == -1);
    CHECK(mnd == 0.0 && mnifd == 0.0);
    CHECK(heating == accepted_heating);

    if (failures == 0) {
        puts("c_abi_test: all checks passed");
    }
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
