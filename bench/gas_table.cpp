#include "gas_table.hpp"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tervol_bench {

std::string gases_path(const char* argument) {
    if (argument != nullptr && *argument != '\0') {
        return argument;
    }
    if (const char* from_environment = std::getenv("TERVOL_BENCH_GASES");
        from_environment != nullptr && *from_environment != '\0') {
        return from_environment;
    }
    return TERVOL_BENCH_DEFAULT_GASES;
}

std::optional<std::vector<Gas>> read_gases(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    std::vector<Gas> gases;
    std::string line;
    int line_number = 0;
    while (std::getline(in, line)) {
        ++line_number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line_number == 1 || line.empty()) {
            continue; // the header names the columns
        }
        std::istringstream fields(line);
        Gas gas;
        std::getline(fields, gas.name, ',');
        gas.family = gas.name.substr(0, gas.name.find('-'));
        std::string field;
        int count = 0;
        while (std::getline(fields, field, ',')) {
            char* end = nullptr;
            const float value = std::strtof(field.c_str(), &end);
            if (count >= tervol::component_count || end == field.c_str() || *end != '\0') {
                error = path + ":" + std::to_string(line_number) + ": expected a name and " +
                        std::to_string(tervol::component_count) + " numbers";
                return std::nullopt;
            }
            gas.composition[static_cast<std::size_t>(count++)] = value;
        }
        if (count != tervol::component_count) {
            error = path + ":" + std::to_string(line_number) + ": expected a name and " +
                    std::to_string(tervol::component_count) + " numbers";
            return std::nullopt;
        }
        gases.push_back(std::move(gas));
    }
    if (gases.empty()) {
        error = path + ": no gases";
        return std::nullopt;
    }
    return gases;
}

} // namespace tervol_bench
