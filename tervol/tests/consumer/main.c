#define _POSIX_C_SOURCE 200809L
#include <tervol/tervol.h>

#include <stdio.h>
#include <stdlib.h>

int main(void) {
    setenv("TEMP", ".", 1);
    float gas[TERVOL_COMPONENT_COUNT] = {0};
    gas[10] = 100.0f;
    int32_t status = 0;
    float mn = 0.0f, mn_inert_free = 0.0f;
    METHAN(gas, &status, &mn, &mn_inert_free);
    printf("status %d, methane number %.4f\n", (int)status, mn);
    return status == 0 && mn > 99.0f && mn < 99.3f ? EXIT_SUCCESS : EXIT_FAILURE;
}
