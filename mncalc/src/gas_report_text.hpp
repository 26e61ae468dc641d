// The plain-text answer for one gas.
#pragma once

#include "gas_evaluation.hpp"

#include <ostream>

namespace mncalc {

// Methane number as the dialog shows it and with four decimals, the
// inert-free methane number, the status code with its remarks, the entered
// total and the six gas properties with their units.
void write_gas_report(std::ostream& out, const EntrySettings& settings,
                      const Evaluation& evaluation);

} // namespace mncalc
