// Results as JSON.
#pragma once

#include "gas_evaluation.hpp"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <string>

namespace mncalc {

// Numbers are kept in single precision, so that they are written with the
// fewest digits that read back to the same single-precision value; keys keep
// the order in which they are set.
using Json = nlohmann::basic_json<nlohmann::ordered_map, std::vector, std::string, bool,
                                  std::int64_t, std::uint64_t, float>;

// Compact text; text that is not valid UTF-8 is repaired, not refused.
std::string dump(const Json& value);

// The whole result of one gas: input, composition handed to the library,
// status with its remarks, the methane numbers, the participating groups,
// target misses, inert-gas correction and gas properties.
Json gas_result_json(const EntryValues& entered, const EntrySettings& settings,
                     const Evaluation& evaluation);

} // namespace mncalc
