// The library's version triple, reported by DLLVER and shown in the report.
#pragma once

#include <cstdint>

namespace tervol {

inline constexpr int32_t version_major = 2;
inline constexpr int32_t version_minor = 0;
inline constexpr int32_t version_patch = 1;

} // namespace tervol
