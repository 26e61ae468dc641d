#include "unit_conversion.hpp"

#include <array>
#include <cmath>
#include <cstddef>

namespace mncalc {

namespace {

// Grams per mole, slot order.
constexpr std::array<float, 17> molar_mass = {
    28.0101f, 54.09044f, 56.10632f, 28.05316f, 42.07974f, 34.08188f, 2.01588f, 44.09562f, 30.06904f,
    58.1222f, 16.04246f, 86.17536f, 72.151f,   28.01348f, 44.0095f,  31.9988f, 18.01528f};

// Compressibility of each pure gas at the norm state, slot order.
constexpr std::array<float, 17> real_gas_factor = {
    0.99929f, 1.0f,     1.0f, 0.9925f,  0.98099f, 0.99001f, 1.00062f, 0.9789f, 0.99001f,
    1.0f,     0.99759f, 1.0f, 0.98344f, 0.99951f, 0.99331f, 0.99902f, 0.99938f};

// Litres per mole of an ideal gas at the norm state. It cancels in the
// scaling to 100 but is applied all the same: it changes the roundings.
constexpr float ideal_molar_volume = 22.414f;

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
    // Written so that NaN falls outside.
    return total > 0.0f && std::fabs(wide(total) - 100.0) <= 1.0;
}

EntryValues apportion_to_100(const EntryValues& entries, float total) {
    EntryValues apportioned{};
    for (std::size_t s = 0; s < entries.size(); ++s) {
        apportioned[s] = store(wide(entries[s]) / wide(total) * 100.0);
    }
    return apportioned;
}

tervol::Composition to_volume_percent(const EntryValues& entries, Unit unit) {
    if (unit == Unit::volume) {
        return entries;
    }
    tervol::Composition volume{};
    float total = 0.0f;
    for (std::size_t s = 0; s < entries.size(); ++s) {
        double weight = wide(entries[s]);
        if (unit == Unit::mass) {
            weight = weight / wide(molar_mass[s]);
        }
        weight = weight * wide(real_gas_factor[s]) * wide(ideal_molar_volume);
        volume[s] = store(weight);
        total = store(wide(total) + wide(volume[s])); // the stored weight, as the dialog adds it
    }
    const float factor = store(100.0 / wide(total));
    for (float& value : volume) {
        value = store(wide(value) * wide(factor));
    }
    return volume;
}

} // namespace mncalc
