#include "component_names.hpp"

#include "text_util.hpp"

namespace mncalc {

namespace {

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ascii_upper(a[i]) != ascii_upper(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<int> component_index(std::string_view name) {
    name = trim_blanks(name);
    for (int i = 0; i < component_count; ++i) {
        if (equal_ignoring_case(name, component_formulas[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    if (equal_ignoring_case(name, "C6+")) {
        return 11;
    }
    return std::nullopt;
}

std::string valid_component_names() {
    std::string text;
    for (std::string_view formula : component_formulas) {
        if (!text.empty()) {
            text += ", ";
        }
        text += formula;
    }
    text += " (C6+ for CxHy; any letter case)";
    return text;
}

} // namespace mncalc
