#include "unit_conversion.hpp"

#include "mn/unit_conversion.h"

#include <array>
#include <cstddef>

namespace mncalc {

namespace {

// Products and quotients are formed in double and rounded once, when stored.
constexpr double wide(float value) {
    return static_cast<double>(value);
}
constexpr float store(double value) {
    return static_cast<float>(value);
}

} // namespace

std::optional<Unit> unit_from_name(std::string_view name) {
    if (name == "volume") {
        return Unit::volume;
    }
    if (name == "mol") {
        return Unit::mol;
    }
    if (name == "mass") {
        return Unit::mass;
    }
    return std::nullopt;
}

std::string_view unit_name(Unit unit) {
    switch (unit) {
    case Unit::volume:
        return "volume";
    case Unit::mol:
        return "mol";
    case Unit::mass:
        return "mass";
    }
    return "volume";
}

float entry_total(const EntryValues& entries) {
    float total = 0.0f;
    for (float value : entries) {
        total = store(wide(total) + wide(value));
    }
    return total;
}

bool total_within_band(float total) {
    return tervol::total_accepted(total);
}

EntryValues apportion_to_100(const EntryValues& entries, float total) {
    EntryValues apportioned{};
    for (std::size_t s = 0; s < entries.size(); ++s) {
        apportioned[s] = store(wide(entries[s]) / wide(total) * 100.0);
    }
    return apportioned;
}

tervol::Composition to_volume_percent(const EntryValues& entries, Unit unit) {
    // Exactly the dialog's conversion, through its own code.
    switch (unit) {
    case Unit::mol:
        return mn::convert_to_volume_percent(entries, mn::mol_percent);
    case Unit::mass:
        return mn::convert_to_volume_percent(entries, mn::mass_percent);
    case Unit::volume:
        break;
    }
    return entries;
}

} // namespace mncalc
