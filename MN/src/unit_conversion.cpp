#include "mn/unit_conversion.h"

namespace mn {

const ComponentValues molar_mass = {
    28.0101f,  54.09044f, 56.10632f, 28.05316f, 42.07974f, 34.08188f,
    2.01588f,  44.09562f, 30.06904f, 58.1222f,  16.04246f, 86.17536f,
    72.151f,   28.01348f, 44.0095f,  31.9988f,  18.01528f};

const ComponentValues real_gas_factor = {
    0.99929f, 1.0f,     1.0f,     0.9925f,  0.98099f, 0.99001f,
    1.00062f, 0.9789f,  0.99001f, 1.0f,     0.99759f, 1.0f,
    0.98344f, 0.99951f, 0.99331f, 0.99902f, 0.99938f};

std::string padded_unit_text(const std::string& text) {
    std::string padded = text.substr(0, unit_text_length);
    padded.resize(unit_text_length, ' ');
    return padded;
}

ComponentValues convert_to_volume_percent(const ComponentValues& entry_values,
                                          const std::string& unit_text) {
    const std::string unit = padded_unit_text(unit_text);
    const bool by_mole = unit == mol_percent;
    const bool by_mass = unit == mass_percent;
    if (!by_mole && !by_mass) {
        return entry_values;
    }
    ComponentValues volume{};
    float weight_sum = 0.0f;
    for (int s = 0; s < component_count; ++s) {
        double amount = static_cast<double>(entry_values[s]);
        if (by_mass) {
            amount /= static_cast<double>(molar_mass[s]);
        }
        const double weight = amount * static_cast<double>(real_gas_factor[s]) *
                              static_cast<double>(ideal_molar_volume);
        volume[s] = static_cast<float>(weight);
        weight_sum += volume[s]; // single precision, in slot order

    }
    const float scale = static_cast<float>(100.0 / static_cast<double>(weight_sum));
    for (float& value : volume) {
        value = static_cast<float>(static_cast<double>(value) * static_cast<double>(scale));
    }
    return volume;
}

} // namespace mn
