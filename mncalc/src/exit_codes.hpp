#pragma once

namespace mncalc {

inline constexpr int exit_ok = 0;
inline constexpr int exit_failed_rows = 1; // or the output could not be written
inline constexpr int exit_usage = 2;

} // namespace mncalc
