#include "component_arguments.hpp"

#include "component_names.hpp"
#include "number_text.hpp"

#include <array>

namespace mncalc {

ComponentArguments read_component_arguments(const std::vector<std::string>& arguments) {
    ComponentArguments read;
    std::array<bool, component_count> given{};
    for (const std::string& argument : arguments) {
        const std::size_t equals = argument.find('=');
        if (equals == std::string::npos) {
            read.error = "'" + argument + "' is not NAME=VALUE, e.g. CH4=90";
            return read;
        }
        const std::string_view name = std::string_view(argument).substr(0, equals);
        const std::string_view value = std::string_view(argument).substr(equals + 1);
        const auto index = component_index(name);
        if (!index) {
            read.error = "unknown component '" + std::string(name) +
                         "'; valid names: " + valid_component_names();
            return read;
        }
        const auto slot = static_cast<std::size_t>(*index);
        if (given[slot]) {
            read.error = std::string(component_formulas[slot]) + " is given twice";
            return read;
        }
        given[slot] = true;
        const ReadNumber number = read_number(value);
        if (number.error != nullptr) {
            read.error = "the value '" + std::string(value) + "' of " +
                         std::string(component_formulas[slot]) + " " + number.error;
            return read;
        }
        read.entries[slot] = number.value;
    }
    return read;
}

} // namespace mncalc
