// Runs the calculation over every benchmark gas N times, for instruction
// counts with valgrind --tool=callgrind.
//
//   tervol_calc_driver [N] [--methan] [--gases=PATH]
//
// --methan goes through the legacy entry METHAN with its report file (in
// TEMP) instead of the calculation alone.
#include "gas_table.hpp"
#include "tervol/calculation.hpp"
#include "tervol/tervol.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    long repetitions = 1;
    bool through_methan = false;
    const char* gases_argument = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("usage: tervol_calc_driver [N] [--methan] [--gases=PATH]\n");
            return 0;
        }
        if (std::strcmp(argv[i], "--methan") == 0) {
            through_methan = true;
        } else if (std::strncmp(argv[i], "--gases=", 8) == 0) {
            gases_argument = argv[i] + 8;
        } else {
            char* end = nullptr;
            repetitions = std::strtol(argv[i], &end, 10);
            if (end == argv[i] || *end != '\0' || repetitions < 1) {
                std::fprintf(stderr, "tervol_calc_driver: '%s' is not a positive count\n",
                             argv[i]);
                return 2;
            }
        }
    }
    std::string error;
    const auto gases = tervol_bench::read_gases(tervol_bench::gases_path(gases_argument), error);
    if (!gases) {
        std::fprintf(stderr, "tervol_calc_driver: %s\n", error.c_str());
        return 1;
    }
    double checksum = 0.0;
    for (long n = 0; n < repetitions; ++n) {
        for (const auto& gas : *gases) {
            if (through_methan) {
                int32_t status = 0;
                float mn = 0.0f;
                float mn_inert_free = 0.0f;
                METHAN(gas.composition.data(), &status, &mn, &mn_inert_free);
                checksum += static_cast<double>(mn);
            } else {
                checksum += static_cast<double>(tervol::calculate(gas.composition).methane_number);
            }
        }
    }
    std::printf("%zu gases x %ld: checksum %.6f\n", gases->size(), repetitions, checksum);
    return 0;
}
