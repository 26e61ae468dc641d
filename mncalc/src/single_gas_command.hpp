// mncalc NAME=VALUE ...: one gas.
#pragma once

#include "options.hpp"

namespace mncalc {

// Returns the exit code.
int run_single_gas(const Options& options);

} // namespace mncalc
