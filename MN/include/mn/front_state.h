// The front end's state: one plain value that the handlers edit.
// It lives for the whole run; `frontend` owns the one instance.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace mn {

inline constexpr int component_count = 17;

// 17 single-precision values in slot order; index 0 holds slot 1.
using ComponentValues = std::array<float, component_count>;

// Unit texts, blank-padded to 10 characters: the entries of the unit selector.
inline constexpr int unit_text_length = 10;
inline const std::string volume_percent = " Volume-% ";
inline const std::string mol_percent = " Mol-%    ";
inline const std::string mass_percent = " Mass-%   ";

// Outcome of the last calculation command.
enum CalculationStatus : int32_t {
    calculated = 0,
    gas_content_missing = 1,
    stopped = 2, // Total out of range, apportioning declined, or input rejected
    with_reservation = 3,
    invalid = 4,
};

struct FrontState {
    ComponentValues entry_values{};   // figures of the component fields, in the chosen unit
    float total = 0.0f;               // sum of the entry values [%]
    std::string unit_text = volume_percent;
    ComponentValues library_composition{}; // volume percent handed to METHAN
    int32_t status_code = 0;          // METHAN's argument 2
    float methane_number = 0.0f;      // METHAN's argument 3
    float methane_number_inert_free = 0.0f; // METHAN's argument 4
    int32_t calculation_status = calculated;
    int32_t high_hydrocarbon_flag = 0; // "C>C4 flag": 1 when 10 was added to the status code
    int32_t confirmation_answer = 0;  // 6 Yes, 7 No, or a warning box's return value
};

// A text cut or blank-padded to the 10 characters of the unit text.
std::string padded_unit_text(const std::string& text);

} // namespace mn
