// mncalc --csv: many gases from a CSV input.
#pragma once

#include "options.hpp"

namespace mncalc {

// Returns the exit code.
int run_batch(const Options& options);

} // namespace mncalc
