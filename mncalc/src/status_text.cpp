#include "status_text.hpp"

namespace mncalc {

namespace {

constexpr std::string_view rejected =
    "input rejected: the sum of the components is not positive or differs from 100 by more "
    "than 1; nothing is calculated";

constexpr std::string_view base_meaning[5] = {
    "valid methane number",
    "methane number with inert gases extrapolated: combustible share below 40 %, or more "
    "than 60 % CO2 or N2",
    "a participating mixture group lies outside its measured range; its methane number is "
    "extrapolated",
    "the methane numbers of the participating mixture groups differ by more than 5; the "
    "result stands with reservation",
    "no valid methane number: the apportionment does not reproduce the composition, or too "
    "little combustible or too much CO2",
};

constexpr std::string_view high_hydrocarbons =
    "too much of the higher hydrocarbons: CxHy above 3 %, C5H12 above 3 % or both together "
    "above 5 % of the nitrogen-free gas";

constexpr std::string_view unknown = "status code not documented by the library";

// Indexed by the base value; the second row carries the hydrocarbon remark.
constexpr std::string_view short_text[2][5] = {
    {"", "inert-gas correction extrapolated", "mixture group outside its measured range",
     "group methane numbers differ by more than 5", "no valid methane number"},
    {"high content of higher hydrocarbons",
     "high content of higher hydrocarbons; inert-gas correction extrapolated",
     "high content of higher hydrocarbons; mixture group outside its measured range",
     "high content of higher hydrocarbons; group methane numbers differ by more than 5",
     "high content of higher hydrocarbons; no valid methane number"},
};

} // namespace

std::vector<std::string_view> status_remarks(int32_t status) {
    if (status == -1) {
        return {rejected};
    }
    const int32_t base = status >= 10 ? status - 10 : status;
    if (base < 0 || base > 4 || status > 14) {
        return {unknown};
    }
    std::vector<std::string_view> remarks{base_meaning[base]};
    if (status >= 10) {
        remarks.push_back(high_hydrocarbons);
    }
    return remarks;
}

std::string_view short_warning(int32_t status) {
    if (status == -1) {
        return "input rejected: sum not within 99 to 101";
    }
    if (status < 0 || status > 14 || (status > 4 && status < 10)) {
        return unknown;
    }
    return short_text[status >= 10 ? 1 : 0][status % 10];
}

} // namespace mncalc
