// The benchmark gases: a CSV file with a header line and one gas per line,
// the name first and then the 17 values in the slot order of the library.
#pragma once

#include "tervol/calculation.hpp"

#include <optional>
#include <string>
#include <vector>

namespace tervol_bench {

struct Gas {
    std::string name;
    std::string family; // the name up to its first '-': "lng-rich-1" is an "lng"
    tervol::Composition composition{};
};

// Where the gases are: `argument` when given, else the environment variable
// TERVOL_BENCH_GASES, else the copy beside the project.
std::string gases_path(const char* argument);

// The gases of the file; an error message in `error` when it cannot be read
// or a line is malformed.
std::optional<std::vector<Gas>> read_gases(const std::string& path, std::string& error);

} // namespace tervol_bench
