// One gas from NAME=VALUE arguments.
#pragma once

#include "unit_conversion.hpp"

#include <string>
#include <vector>

namespace mncalc {

struct ComponentArguments {
    EntryValues entries{};
    std::string error; // empty when every argument was read
};

// "CH4=90" "c2h6=10" "C6+=0.1": names in any letter case, each at most once;
// values as read_number reads them. The error names the offending argument.
ComponentArguments read_component_arguments(const std::vector<std::string>& arguments);

} // namespace mncalc
