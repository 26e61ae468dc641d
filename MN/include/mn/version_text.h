// The library's version text for the version field.
#pragma once

#include <cstdint>
#include <string>

namespace mn {

// The triple written as three right-aligned 3-column fields with a point
// after the first two ("***" for a member that does not fit), in a
// 12-character text whose blanks are then squeezed out: 2, 0, 1 gives
// "2.0.1". Returned without the trailing blanks.
std::string version_text(int32_t major, int32_t minor, int32_t patch);

} // namespace mn
