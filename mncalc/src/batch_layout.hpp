// What the header of a CSV input says: which column holds which component.
#pragma once

#include "csv_reader.hpp"
#include "options.hpp"

#include <string>
#include <vector>

namespace mncalc {

struct BatchLayout {
    std::vector<std::string> column_names;
    std::vector<int> column_slot; // component index 0 to 16, or -1 for a passed-through column
    std::string header_raw;
    std::string line_end;
};

struct BatchLayoutOrError {
    BatchLayout layout;
    std::string error; // empty when the header is usable
};

// Refuses a header that names a component twice or none at all, and for
// JSON Lines a header whose names are not unique or clash with a result key.
BatchLayoutOrError make_batch_layout(const CsvHeader& header, const Options& options);

// Names of the columns appended to every row, in order.
std::vector<std::string> result_column_names(bool properties);

} // namespace mncalc
