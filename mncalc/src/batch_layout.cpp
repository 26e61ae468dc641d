#include "batch_layout.hpp"

#include "component_names.hpp"
#include "property_columns.hpp"

#include <algorithm>
#include <array>

namespace mncalc {

std::vector<std::string> result_column_names(bool properties) {
    std::vector<std::string> names = {"mn", "mn_inert_free", "status", "warning"};
    if (properties) {
        for (const PropertyColumn& column : property_columns) {
            names.emplace_back(column.name);
        }
    }
    return names;
}

BatchLayoutOrError make_batch_layout(const CsvHeader& header, const Options& options) {
    BatchLayoutOrError made;
    BatchLayout& layout = made.layout;
    layout.column_names = header.names;
    layout.header_raw = header.raw;
    layout.line_end = header.line_end;

    std::array<int, component_count> column_of{};
    column_of.fill(-1);
    bool any_component = false;
    for (std::size_t column = 0; column < header.names.size(); ++column) {
        const auto index = component_index(header.names[column]);
        layout.column_slot.push_back(index ? *index : -1);
        if (!index) {
            continue;
        }
        auto& seen = column_of[static_cast<std::size_t>(*index)];
        if (seen >= 0) {
            made.error = "the header names " +
                         std::string(component_formulas[static_cast<std::size_t>(*index)]) +
                         " twice (columns " + std::to_string(seen + 1) + " and " +
                         std::to_string(column + 1) + ")";
            return made;
        }
        seen = static_cast<int>(column);
        any_component = true;
    }
    if (!any_component) {
        made.error = "the header names no component; expected column names such as CH4, C2H6, "
                     "N2 (valid: " +
                     valid_component_names() + "), separated by commas";
        return made;
    }

    if (options.format == BatchFormat::jsonl) {
        std::vector<std::string> keys = header.names;
        for (const std::string& name : result_column_names(options.properties)) {
            keys.push_back(name);
        }
        std::vector<std::string> sorted = keys;
        std::sort(sorted.begin(), sorted.end());
        const auto repeated = std::adjacent_find(sorted.begin(), sorted.end());
        if (repeated != sorted.end()) {
            made.error = "the column name '" + *repeated +
                         "' appears twice among the input and result columns, which JSON "
                         "objects cannot hold; rename it or write CSV";
            return made;
        }
    }
    return made;
}

} // namespace mncalc
