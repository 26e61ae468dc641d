// What a status code of the library means, in plain English.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mncalc {

// One sentence per remark the code carries: the base value's meaning, and
// the higher-hydrocarbon remark when 10 is added. Unknown codes get one
// sentence that says so.
std::vector<std::string_view> status_remarks(int32_t status);

// A short text for a table cell: empty for 0, remarks joined by "; ".
std::string_view short_warning(int32_t status);

} // namespace mncalc
